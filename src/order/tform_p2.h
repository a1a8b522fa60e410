// The 45-tile order screen. It holds no order data of its own: its bottom
// buttons hand their clicks to Form_Main, and closing it ends the program.
#pragma once

#include "startup/terminal_dialog.h"

class QLabel;
class QPushButton;

class TForm_P2 : public TerminalDialog {
    Q_OBJECT

public:
    TForm_P2();

    // Creation step: scaled by the main-window factors, title copied from Form_Main.
    void FormCreate();
    // Runs whenever the window closes: closes Form_Main.
    void FormClose();

    void done(int result) override;

    QLabel* Panel999 = nullptr;
    QPushButton* Btn_Exit = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void connectHandlers();
};
