// The order note dialog.
#pragma once

#include "startup/terminal_dialog.h"

class TForm_Info : public TerminalDialog {
    Q_OBJECT

public:
    TForm_Info();

    // Creation step, run once at start.
    void FormCreate();
};
