#include "order/tform_p2.h"

#include "order/tform_main.h"
#include "startup/design.h"
#include "startup/environment.h"
#include "startup/forms.h"
#include "startup/program_state.h"
#include "startup/scaling.h"

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
    createControls();
    connectHandlers();
}

void TForm_P2::createControls()
{
    Panel999 = placeControl<QLabel>(this, QStringLiteral("Panel999"), QRect(0, 0, 398, 80));
    Panel999->setFont(designFont(QStringLiteral("Arial"), 77, true));
    Panel999->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel999->setAutoFillBackground(true);

    Btn_Exit = placeControl<QPushButton>(this, QStringLiteral("Btn_Exit"), QRect(712, 541, 88, 39));
    Btn_Exit->setText(QStringLiteral("Выход"));
    Btn_Exit->setToolTip(QStringLiteral("Выход из программы"));
}

void TForm_P2::connectHandlers()
{
    connect(Btn_Exit, &QPushButton::clicked, this, [] { Form_Main->Btn_Exit->click(); });
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
