#include "send/tform_date.h"

#include "order/button_pictures.h"
#include "startup/application.h"
#include "startup/design.h"

#include <QDateEdit>
#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimeEdit>

TForm_Date::TForm_Date()
    : TerminalDialog(QStringLiteral("Выбор даты и времени"))
{
    setObjectName(QStringLiteral("Form_Date"));
    setFont(windowDefaultFont());
    setDesignedSize(200, 160);
    createControls();
}

void TForm_Date::createControls()
{
    const auto framed = [this](const QString& name, const QRect& geometry) {
        auto* frame = placeControl<QFrame>(this, name, geometry);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        return frame;
    };
    Bevel1 = framed(QStringLiteral("Bevel1"), QRect(0, 0, 200, 60));
    Label1 = placeControl<QLabel>(this, QStringLiteral("Label1"), QRect(8, 4, 184, 18));
    Label1->setText(QStringLiteral("На какую дату заказ?"));
    DateTimePicker1 = placeControl<QDateEdit>(this, QStringLiteral("DateTimePicker1"), QRect(8, 26, 184, 26));
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));

    Bevel2 = framed(QStringLiteral("Bevel2"), QRect(0, 64, 200, 60));
    Label2 = placeControl<QLabel>(this, QStringLiteral("Label2"), QRect(8, 68, 184, 18));
    Label2->setText(QStringLiteral("На какое время заказ?"));
    DateTimePicker2 = placeControl<QTimeEdit>(this, QStringLiteral("DateTimePicker2"), QRect(8, 90, 184, 26));
    DateTimePicker2->setDisplayFormat(QLocale().timeFormat(QLocale::LongFormat));

    BitBtn1 = placeControl<QPushButton>(this, QStringLiteral("BitBtn1"), QRect(0, 130, 93, 30));
    BitBtn1->setText(QStringLiteral("OK"));
    BitBtn1->setIcon(buttonIcon(ButtonPicture::Ok));
    BitBtn1->setDefault(true);
    BitBtn2 = placeControl<QPushButton>(this, QStringLiteral("BitBtn2"), QRect(107, 130, 93, 30));
    BitBtn2->setText(QStringLiteral("Cancel"));
    BitBtn2->setIcon(buttonIcon(ButtonPicture::CancelCross));
    connectHandler(BitBtn1, &QPushButton::clicked, this, &TForm_Date::accept);
    connectHandler(BitBtn2, &QPushButton::clicked, this, &TForm_Date::reject);
}

void TForm_Date::FormCreate()
{
    applyDialogScaleRule();
}

void TForm_Date::showEvent(QShowEvent* event)
{
    // Every send starts from now, whatever was chosen last time.
    const QDateTime now = QDateTime::currentDateTime();
    DateTimePicker1->setDate(now.date());
    DateTimePicker2->setTime(now.time());
    TerminalDialog::showEvent(event);
}
