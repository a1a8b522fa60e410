// The banner asking the user to wait while the database connection is made.
#pragma once

#include "startup/terminal_dialog.h"

class QLabel;

class TForm_Wait : public TerminalDialog {
    Q_OBJECT

public:
    TForm_Wait();

    // Creation step: dialog scale rule.
    void FormCreate();

    // Paints the banner at once; no event loop runs while it is shown.
    void showNow();

    QLabel* Label1 = nullptr;
};
