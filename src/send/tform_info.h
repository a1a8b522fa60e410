// The order note dialog: one free-text note for the order being composed.
#pragma once

#include "startup/terminal_dialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TForm_Info : public TerminalDialog {
    Q_OBJECT

public:
    TForm_Info();

    // Creation step: dialog scale rule, then the note emptied.
    void FormCreate();

    // Cancel, or Esc: the note is emptied, not restored.
    void BitBtn2Click();
    void reject() override;

    QLabel* Label1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

private:
    void createControls();
};
