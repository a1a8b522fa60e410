// The additional goods list: dishes of the open shift that have no tile.
#pragma once

#include "startup/terminal_dialog.h"

class TForm_Spisok : public TerminalDialog {
    Q_OBJECT

public:
    TForm_Spisok();

    // Creation step, run once at start.
    void FormCreate();
};
