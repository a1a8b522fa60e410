// The due-date dialog: the date and time an order is meant for.
#pragma once

#include "startup/terminal_dialog.h"

class TForm_Date : public TerminalDialog {
    Q_OBJECT

public:
    TForm_Date();

    // Creation step, run once at start.
    void FormCreate();
};
