// The due-date dialog: the date and time an order is meant for. It opens at
// today and now every time.
#pragma once

#include "startup/terminal_dialog.h"

class QDateEdit;
class QFrame;
class QLabel;
class QPushButton;
class QTimeEdit;

class TForm_Date : public TerminalDialog {
    Q_OBJECT

public:
    TForm_Date();

    // Creation step, run once at start.
    void FormCreate();

    QFrame* Bevel1 = nullptr;
    QLabel* Label1 = nullptr;
    QDateEdit* DateTimePicker1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QLabel* Label2 = nullptr;
    QTimeEdit* DateTimePicker2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
};
