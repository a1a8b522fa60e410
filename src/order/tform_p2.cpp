#include "order/tform_p2.h"

#include "order/tform_main.h"
#include "startup/application.h"
#include "startup/design.h"
#include "startup/environment.h"
#include "startup/forms.h"
#include "startup/program_state.h"
#include "startup/scaling.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

TForm_P2::TForm_P2()
    : TerminalDialog(QString())
{
    setObjectName(QStringLiteral("Form_P2"));
    // A sizeable frame that still keeps the size of its content.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(windowDefaultFont());
    setDesignedSize(800, 580);
    buildOrderScreen(*this, P2ScreenLayout, Form_Main->DSKassa);
    connectHandlers();
}

void TForm_P2::connectHandlers()
{
    for (int i = 1; i <= tileCount(); ++i) {
        const TileControls& t = tile(i);
        for (QWidget* control : {static_cast<QWidget*>(t.panel), static_cast<QWidget*>(t.memo), static_cast<QWidget*>(t.edit)})
            control->installEventFilter(this);
        connectHandler(t.button, &QPushButton::clicked, this, [this, button = t.button] { Button1Click(button); });
    }
    // Each bottom button clicks its namesake on Form_Main, whose handler works on the screen in use.
    const std::pair<QPushButton*, QPushButton* TForm_Main::*> bottoms[] = {
        {BtnKassa, &TForm_Main::BtnKassa},   {Btn_Print, &TForm_Main::Btn_Print}, {Btn_Status, &TForm_Main::Btn_Status},
        {BtnInfo, &TForm_Main::BtnInfo},     {Btn_Kolvo, &TForm_Main::Btn_Kolvo}, {Btn_Down, &TForm_Main::Btn_Down},
        {Btn_Up, &TForm_Main::Btn_Up},       {BtnMenu, &TForm_Main::BtnMenu},     {BtnCancel, &TForm_Main::BtnCancel},
        {Btn_Exit, &TForm_Main::Btn_Exit},
    };
    for (const auto& [own, target] : bottoms)
        connectHandler(own, &QPushButton::clicked, this, [target] { (Form_Main->*target)->click(); });
}

bool TForm_P2::eventFilter(QObject* watched, QEvent* event)
{
    static constexpr std::array<TileMouseRoute<TForm_P2>, 3> routes {{
        {TileControlKind::Panel, &TForm_P2::Panel1MouseDown, &TForm_P2::Panel1MouseUp},
        {TileControlKind::Memo, &TForm_P2::Memo1MouseDown, &TForm_P2::Memo1MouseUp},
        {TileControlKind::Edit, &TForm_P2::Edit1MouseDown, &TForm_P2::Edit1MouseUp},
    }};
    return routeTileMouse(*this, watched, event, routes) || TerminalDialog::eventFilter(watched, event);
}

void TForm_P2::Panel1MouseDown(QWidget* sender) { Form_Main->TilePress(tileNumberOf(sender)); }
void TForm_P2::Panel1MouseUp(QWidget* sender) { Form_Main->TileRelease(tileNumberOf(sender)); }
void TForm_P2::Memo1MouseDown(QWidget* sender) { Form_Main->TilePress(tileNumberOf(sender)); }
void TForm_P2::Memo1MouseUp(QWidget* sender) { Form_Main->TileRelease(tileNumberOf(sender)); }
void TForm_P2::Edit1MouseDown(QWidget* sender) { Form_Main->TilePress(tileNumberOf(sender)); }
void TForm_P2::Edit1MouseUp(QWidget* sender) { Form_Main->TileRelease(tileNumberOf(sender)); }

void TForm_P2::Button1Click(QPushButton* sender)
{
    Form_Main->Button1Click(sender);
}

void TForm_P2::FormCreate()
{
    if (ScaleToScreen)
        scaleWindow(*this, mainWindowFactor(environment().screenSize, WideScreen));
    setWindowTitle(Form_Main->windowTitle());
}

void TForm_P2::FormClose()
{
    Form_Main->close();
}

void TForm_P2::done(int result)
{
    TerminalDialog::done(result);
    FormClose();
}

void TForm_P2::keyPressEvent(QKeyEvent* event)
{
    // Esc must not close the order screen: that would end the program.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    TerminalDialog::keyPressEvent(event);
}
