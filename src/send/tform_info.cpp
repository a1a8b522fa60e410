#include "send/tform_info.h"

#include "order/button_pictures.h"
#include "startup/application.h"
#include "startup/design.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

TForm_Info::TForm_Info()
    : TerminalDialog(QStringLiteral("Информация о заказе"))
{
    setObjectName(QStringLiteral("Form_Info"));
    setFont(windowDefaultFont());
    setDesignedSize(469, 454);
    createControls();
}

void TForm_Info::createControls()
{
    Label1 = placeControl<QLabel>(this, QStringLiteral("Label1"), QRect(0, 0, 469, 20));
    Label1->setText(QStringLiteral("Здесь вы можете разместить дополнительную информацию о вашем заказе."));
    QFont bold = font();
    bold.setBold(true);
    Label1->setFont(bold);
    Memo1 = placeControl<QPlainTextEdit>(this, QStringLiteral("Memo1"), QRect(0, 22, 469, 385));
    BitBtn1 = placeControl<QPushButton>(this, QStringLiteral("BitBtn1"), QRect(0, 413, 217, 41));
    BitBtn1->setText(QStringLiteral("OK"));
    BitBtn1->setDefault(true);
    BitBtn1->setIcon(buttonIcon(ButtonPicture::Ok));
    BitBtn2 = placeControl<QPushButton>(this, QStringLiteral("BitBtn2"), QRect(252, 413, 217, 41));
    BitBtn2->setText(QStringLiteral("Cancel"));
    BitBtn2->setIcon(buttonIcon(ButtonPicture::CancelCross));
    connectHandler(BitBtn1, &QPushButton::clicked, this, &TForm_Info::accept);
    connectHandler(BitBtn2, &QPushButton::clicked, this, &TForm_Info::BitBtn2Click);
}

void TForm_Info::BitBtn2Click()
{
    Memo1->clear();
    TerminalDialog::reject();
}

void TForm_Info::reject()
{
    BitBtn2Click();
}

void TForm_Info::FormCreate()
{
    applyDialogScaleRule();
    Memo1->clear();
}
