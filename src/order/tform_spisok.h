// The additional goods list: dishes of the open shift that have no tile.
// The dish chosen in the list is the menu cache's current row, which the
// next showing starts from.
#pragma once

#include "startup/terminal_dialog.h"

#include <array>

class QPushButton;
class QTableView;

class TForm_Spisok : public TerminalDialog {
    Q_OBJECT

public:
    TForm_Spisok();

    // Creation step, run once at start.
    void FormCreate();

    // A section button: turns the order screen in use to its section and
    // closes the list with Cancel.
    void Button1Click(QPushButton* sender);

    // The dishes of Form_Main->DSMenu.
    QTableView* GridMenu = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    // Button1 .. Button9: the nine sections, named by the tile loader.
    std::array<QPushButton*, 10> SectionButton {};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    // Marks the menu cache's current row in the grid.
    void followCurrentRow(int row);
};
