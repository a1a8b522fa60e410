// The application object: the one place where failures that no handler
// expected are shown, and the end of the program.
#pragma once

#include <QApplication>
#include <exception>

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

// Closing the main window ends the program: every running modal loop and
// the main loop end, and the main loop is not entered when it has not
// started yet.
void requestProgramEnd();
bool programEndRequested();
void resetProgramEnd();
