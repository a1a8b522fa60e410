// The 45-tile order screen. It holds no order data of its own: its tile
// presses and bottom buttons go to Form_Main's handlers, and closing it ends
// the program.
#pragma once

#include "order/order_screen.h"
#include "startup/terminal_dialog.h"

class QPushButton;

class TForm_P2 : public TerminalDialog, public OrderScreenControls {
    Q_OBJECT

public:
    TForm_P2();

    // Creation step: scaled by the main-window factors, title copied from Form_Main.
    void FormCreate();
    // Runs whenever the window closes: closes Form_Main.
    void FormClose();

    void done(int result) override;

    // Mouse handlers of the tile controls, shared by all tiles.
    void Panel1MouseDown(QWidget* sender);
    void Panel1MouseUp(QWidget* sender);
    void Memo1MouseDown(QWidget* sender);
    void Memo1MouseUp(QWidget* sender);
    void Edit1MouseDown(QWidget* sender);
    void Edit1MouseUp(QWidget* sender);
    // The tile quantity buttons take a portion away.
    void Button1Click(QPushButton* sender);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void connectHandlers();
};
