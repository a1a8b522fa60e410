// The quantity keypad.
#pragma once

#include "startup/terminal_dialog.h"

class TForm_Klava : public TerminalDialog {
    Q_OBJECT

public:
    TForm_Klava();

    // Creation step, run once at start.
    void FormCreate();
};
