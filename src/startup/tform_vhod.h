// The login dialog: the gate between start-up and the order screen.
#pragma once

#include "startup/terminal_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TForm_Vhod : public TerminalDialog {
    Q_OBJECT

public:
    TForm_Vhod();

    // Creation step: dialog scale rule, the last login name from Name.txt, the title.
    void FormCreate();

    QLabel* Label1 = nullptr;
    QLineEdit* ELogin = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* EPassword = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;

private:
    void createControls();
};
