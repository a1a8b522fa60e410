// The connection settings dialog: where the database is.
#pragma once

#include "startup/terminal_dialog.h"

class TForm_Net : public TerminalDialog {
    Q_OBJECT

public:
    TForm_Net();

    // Creation step, run once at start.
    void FormCreate();
};
