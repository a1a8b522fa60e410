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

    // The login check (OK, or Enter).
    void BitBtn1Click();
    // Cancel, or Esc: ends the program.
    void BitBtn2Click();
    // Opens the order screen of the layout chosen at start.
    void BitBtn3Click();
    // Shows the connection settings dialog over this one.
    void BitBtn4Click();

    void reject() override;

    QLabel* Label1 = nullptr;
    QLineEdit* ELogin = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* EPassword = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    // Shows the message, puts the focus in the edit.
    void refuse(const QString& message, QLineEdit* edit);
    // Moves QPerson to the first row whose LOGIN is exactly the typed name.
    bool findPerson(const QString& login);
};
