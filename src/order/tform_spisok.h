// The additional goods list: dishes of the open shift that have no tile.
#pragma once

#include "startup/terminal_dialog.h"

#include <array>

class QPushButton;

class TForm_Spisok : public TerminalDialog {
    Q_OBJECT

public:
    TForm_Spisok();

    // Creation step, run once at start.
    void FormCreate();

    // Button1 .. Button9: the nine sections, named by the tile loader.
    std::array<QPushButton*, 10> SectionButton {};

private:
    void createControls();
};
