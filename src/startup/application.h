// The application object: the one place where failures that no handler
// expected are shown, and the end of the program.
#pragma once

#include <QApplication>
#include <exception>
#include <utility>

class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    // Any exception escaping an event handler is shown in the error box and
    // control returns to the event loop.
    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows an unexpected failure through the interaction seam.
void reportError(const std::exception& e);
void reportUnknownError();

// Runs fn; a failure is reported and swallowed only after being shown.
template <typename Fn>
void runReportingErrors(Fn&& fn)
{
    try {
        fn();
    } catch (const std::exception& e) {
        reportError(e);
    } catch (...) {
        reportUnknownError();
    }
}

// Connects a signal to a handler whose failures are reported at the
// handler's own edge: an exception must not unwind through Qt's frames,
// which are built without unwinding cleanups and would leak what they hold.
// Application::notify stays as the backstop for anything missed.
template <typename Sender, typename Signal, typename Receiver, typename Class, typename... Args>
QMetaObject::Connection connectHandler(Sender* sender, Signal signal, Receiver* receiver, void (Class::*handler)(Args...))
{
    return QObject::connect(sender, signal, receiver, [receiver, handler](Args... args) {
        runReportingErrors([&] { (receiver->*handler)(args...); });
    });
}

namespace detail {
template <typename Fn, typename... Args>
auto reportingErrors(Fn fn, void (Fn::*)(Args...) const)
{
    return [fn = std::move(fn)](Args... args) { runReportingErrors([&] { fn(args...); }); };
}
} // namespace detail

// The same for a lambda, which is called in the context object's thread and
// disconnected with it.
template <typename Sender, typename Signal, typename Fn>
QMetaObject::Connection connectHandler(Sender* sender, Signal signal, const QObject* context, Fn fn)
{
    return QObject::connect(sender, signal, context, detail::reportingErrors(std::move(fn), &Fn::operator()));
}

// Closing the main window ends the program: every running modal loop and
// the main loop end, and the main loop is not entered when it has not
// started yet.
void requestProgramEnd();
bool programEndRequested();
void resetProgramEnd();
