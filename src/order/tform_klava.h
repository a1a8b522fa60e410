// The quantity keypad: digits, one decimal separator and a delete key, for
// typing a quantity on the touch screen.
#pragma once

#include "startup/terminal_dialog.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;

class TForm_Klava : public TerminalDialog {
    Q_OBJECT

public:
    TForm_Klava();

    // Creation step, run once at start.
    void FormCreate();

    // A digit key: the key's id in the group is its digit.
    void BitBtn1Click(int digit);
    // The separator key: at most one separator in the display.
    void BitBtn11Click();
    // The check-mark key: closes with OK.
    void BitBtn12Click();
    // The delete key: removes the last character.
    void BitBtn13Click();

    // What was typed; read by the caller after OK.
    QLineEdit* Edit1 = nullptr;
    // The digit keys 1 to 9 and 0 (BitBtn10), the separator, the check mark
    // and the delete key.
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    QPushButton* BitBtn6 = nullptr;
    QPushButton* BitBtn7 = nullptr;
    QPushButton* BitBtn8 = nullptr;
    QPushButton* BitBtn9 = nullptr;
    QPushButton* BitBtn10 = nullptr;
    QPushButton* BitBtn11 = nullptr;
    QPushButton* BitBtn12 = nullptr;
    QPushButton* BitBtn13 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void connectHandlers();

    QButtonGroup* digitKeys_ = nullptr;
    bool SeparatorEntered = false;
};
