#include "startup/application.h"

#include "startup/environment.h"
#include "startup/interaction.h"
#include "startup/terminal_error.h"


namespace {
bool endRequested = false;
}

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // The program ends when its main window closes, not when the last
    // visible window does (the main window stays hidden on the 45-tile layout).
    setQuitOnLastWindowClosed(false);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        reportError(e);
    } catch (...) {
        reportUnknownError();
    }
    return false;
}

void reportError(const std::exception& e)
{
    ui().error(errorText(e));
}

void reportUnknownError()
{
    ui().error(QStringLiteral("Unknown error"));
}

void requestProgramEnd()
{
    endRequested = true;
    // Ends every running event loop, the nested modal ones included; no
    // new loop runs afterwards.
    QCoreApplication::exit(0);
}

bool programEndRequested() { return endRequested; }

void resetProgramEnd() { endRequested = false; }
