#include "startup/environment.h"

#include "startup/interaction.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {
Environment current;
}

void setEnvironment(const Environment& environment)
{
    current = environment;
    if (!current.programDir.endsWith(u'/'))
        current.programDir += u'/';
}

const Environment& environment() { return current; }

Interaction& ui()
{
    Q_ASSERT(current.interaction);
    return *current.interaction;
}

QString programFile(const QString& name) { return current.programDir + name; }

Environment productionEnvironment(Interaction& interaction)
{
    Environment result;
    result.programDir = QCoreApplication::applicationDirPath() + u'/';
    if (QScreen* screen = QGuiApplication::primaryScreen())
        result.screenSize = screen->size();
    result.interaction = &interaction;
    return result;
}
