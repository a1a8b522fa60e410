// What the terminal takes from its surroundings: the program folder, the
// screen size and the way it talks to the user. Production fills it from the
// executable and the primary screen; tests inject their own.
#pragma once

#include <QSize>
#include <QString>

class Interaction;

struct Environment {
    QString programDir; // with a trailing '/'
    QSize screenSize;
    Interaction* interaction = nullptr;
};

void setEnvironment(const Environment& environment);
const Environment& environment();

// The interaction seam of the current environment.
Interaction& ui();

// A file in the program folder.
QString programFile(const QString& name);

// The production environment: the executable's folder and the primary screen.
Environment productionEnvironment(Interaction& interaction);
