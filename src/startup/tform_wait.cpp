#include "startup/tform_wait.h"

#include "startup/design.h"

#include <QCoreApplication>
#include <QLabel>

TForm_Wait::TForm_Wait()
    : TerminalDialog(QString())
{
    setObjectName(QStringLiteral("Form_Wait"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setDesignedSize(498, 24);
    Label1 = placeControl<QLabel>(this, QStringLiteral("Label1"), QRect(0, 0, 498, 24));
    Label1->setText(QStringLiteral("Подключение к базе данных и загрузка меню !"));
    Label1->setFont(designFont(QStringLiteral("Arial"), 21, true, true));
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    Label1->setPalette(palette);
}

void TForm_Wait::FormCreate()
{
    applyDialogScaleRule();
}

void TForm_Wait::showNow()
{
    show();
    Label1->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
