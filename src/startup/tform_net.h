// The connection settings dialog: where the database is, on this computer or
// on a server reached by its IPv4 address. A saved change ends the program,
// since the connection is made only at start.
#pragma once

#include "startup/terminal_dialog.h"

#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

class TForm_Net : public TerminalDialog {
    Q_OBJECT

public:
    TForm_Net();

    // Creation step: none; this dialog is never scaled.
    void FormCreate() {}

    // Fills the fields from Net.txt; runs at every showing.
    void FormShow();
    void RadioGroup1Click();
    void Btn_DefaultClick();
    void SpeedButton1Click();
    void BtnOKClick();

    // 0 local mode, 1 network mode.
    int modeIndex() const;
    void setModeIndex(int index);

    QFrame* Bevel1 = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    std::array<QRadioButton*, 2> RadioGroup1Items {};
    QFrame* Bevel2 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* E_Path = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QFrame* Bevel3 = nullptr;
    QLabel* Label6 = nullptr;
    std::array<QLineEdit*, 4> E_IP {};
    std::array<QLabel*, 3> AddressDots {};
    QPushButton* BitBtn2 = nullptr;
    QPushButton* Btn_Default = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* BitBtn1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    // Shows the message, puts the focus in the edit and answers false.
    bool refuse(const QString& message, QLineEdit* edit);
    bool localInputValid();
    bool networkInputValid();
    void finish();
};
