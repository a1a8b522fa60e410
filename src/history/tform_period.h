// The period dialog of the order status.
#pragma once

#include "startup/terminal_dialog.h"

class TForm_Period : public TerminalDialog {
    Q_OBJECT

public:
    TForm_Period();

    // Creation step, run once at start.
    void FormCreate();
};
