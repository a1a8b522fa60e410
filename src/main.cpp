// Program entry: the single-instance guard, the windows in their fixed
// order, then the event loop until the main window closes.
#include "db/termination_signals.h"
#include "startup/application.h"
#include "startup/environment.h"
#include "startup/forms.h"
#include "startup/interaction.h"
#include "startup/single_instance.h"

int main(int argc, char** argv)
{
    SingleInstanceGuard guard;
    if (!guard.isFirst())
        return 0;

    Application app(argc, argv);
    // SIGINT and SIGTERM end the program as closing the main window does.
    endProgramOnTerminationSignal(requestProgramEnd);
    WidgetInteraction interaction;
    setEnvironment(productionEnvironment(interaction));

    Forms forms;
    if (programEndRequested())
        return 0;
    app.exec();
    return 0;
}
