// The period dialog of the order status: a start and an end date, kept from
// one showing to the next for the whole run.
#pragma once

#include "startup/terminal_dialog.h"

class QDateEdit;
class QLabel;
class QPushButton;

class TForm_Period : public TerminalDialog {
    Q_OBJECT

public:
    TForm_Period();

    // Creation step: dialog scale rule, then both dates set to today.
    void FormCreate();

    // OK: closes with OK through BitBtn3 when the end is not before the start.
    void BitBtn1Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QDateEdit* DateTimePicker1 = nullptr;
    QDateEdit* DateTimePicker2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;

private:
    void createControls();
};
