// The order status window: the user's orders over a period.
#pragma once

#include "startup/terminal_dialog.h"

class TForm_Status : public TerminalDialog {
    Q_OBJECT

public:
    TForm_Status();

    // Creation step, run once at start.
    void FormCreate();
};
