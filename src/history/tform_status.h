// The order status window: the user's orders over a period, with the times
// at which the restaurant accepted and fulfilled them.
#pragma once

#include "history/query_grid_model.h"
#include "startup/terminal_dialog.h"

class QTableView;

class TForm_Status : public TerminalDialog {
    Q_OBJECT

public:
    TForm_Status();

    // Creation step, run once at start; this window is never scaled.
    void FormCreate();

    // What the grid shows of Form_Base->Q_Status.
    QueryGridModel DS_Status;
    QTableView* JvDBGrid1 = nullptr;

private:
    void createControls();
};
