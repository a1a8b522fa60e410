#include "startup/program_state.h"

bool ScaleToScreen = false;
bool WideScreen = false;
bool UseFormP2 = false;
bool OrderOpen = false;
qint32 CurrentPersonKod = 0;
QString CurrentLogin;

void resetProgramState()
{
    ScaleToScreen = false;
    WideScreen = false;
    UseFormP2 = false;
    OrderOpen = false;
    CurrentPersonKod = 0;
    CurrentLogin.clear();
}
