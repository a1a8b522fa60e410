// Program-wide state: the screen flags, the order-screen choice, whether an
// order is open and who is logged in. Everything else belongs to a window.
#pragma once

#include <QString>
#include <QtGlobal>

// The windowing system left the designed sizes alone, so the program scales its windows itself.
extern bool ScaleToScreen;
// Screen width / height is greater than 4/3.
extern bool WideScreen;
// The 45-tile window is the order screen in use.
extern bool UseFormP2;
// An order is being composed.
extern bool OrderOpen;
// PERSON.KOD and LOGIN of the logged-in user.
extern qint32 CurrentPersonKod;
extern QString CurrentLogin;

// The version shown in the titles of the main window and the login dialog.
inline constexpr auto ProgramVersionTitle = "v1.1.7";

// Back to the values at program start.
void resetProgramState();
