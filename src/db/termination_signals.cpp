#include "db/termination_signals.h"

#include "db/database_error.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <ibase.h>

namespace {

std::function<void()>& programEnding()
{
    static std::function<void()> ending;
    return ending;
}

// Called on the client's own shutdown thread, never inside the signal
// handler itself, so queueing a call to the application is safe here.
int refuseSignalShutdown(const int reason, const int, void*)
{
    if (reason != fb_shutrsn_signal)
        return 0;
    if (QCoreApplication* application = QCoreApplication::instance())
        QMetaObject::invokeMethod(application, programEnding(), Qt::QueuedConnection);
    return 1;
}

} // namespace

void endProgramOnTerminationSignal(std::function<void()> endProgram)
{
    programEnding() = std::move(endProgram);
    StatusVector status;
    fb_shutdown_callback(status.data(), refuseSignalShutdown, fb_shut_confirmation, nullptr);
    check(status);
}
