// Program entry: the single-instance guard, the windows in their fixed
// order, then the event loop until the main window closes.
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
    WidgetInteraction interaction;
    setEnvironment(productionEnvironment(interaction));

    Forms forms;
    if (programEndRequested())
        return 0;
    app.exec();
    return 0;
}
