#include "history/tform_period.h"

#include "order/button_pictures.h"
#include "startup/application.h"
#include "startup/design.h"
#include "startup/environment.h"
#include "startup/interaction.h"

#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

TForm_Period::TForm_Period()
    : TerminalDialog(QStringLiteral("Выбор периода"))
{
    setObjectName(QStringLiteral("Form_Period"));
    setFont(windowDefaultFont());
    setDesignedSize(250, 84);
    createControls();
}

void TForm_Period::createControls()
{
    QFont bold = font();
    bold.setBold(true);
    Label1 = placeControl<QLabel>(this, QStringLiteral("Label1"), QRect(0, 0, 120, 16));
    Label1->setText(QStringLiteral("Начало"));
    Label1->setFont(bold);
    Label2 = placeControl<QLabel>(this, QStringLiteral("Label2"), QRect(130, 0, 120, 16));
    Label2->setText(QStringLiteral("Конец"));
    Label2->setFont(bold);

    const QString shortDate = QLocale().dateFormat(QLocale::ShortFormat);
    const auto picker = [this, &shortDate](const QString& name, int left) {
        auto* edit = placeControl<QDateEdit>(this, name, QRect(left, 20, 120, 24));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(shortDate);
        return edit;
    };
    DateTimePicker1 = picker(QStringLiteral("DateTimePicker1"), 0);
    DateTimePicker2 = picker(QStringLiteral("DateTimePicker2"), 130);

    BitBtn1 = placeControl<QPushButton>(this, QStringLiteral("BitBtn1"), QRect(0, 55, 120, 29));
    BitBtn1->setText(QStringLiteral("OK"));
    BitBtn1->setIcon(buttonIcon(ButtonPicture::Ok));
    BitBtn1->setDefault(true);
    BitBtn2 = placeControl<QPushButton>(this, QStringLiteral("BitBtn2"), QRect(130, 55, 120, 29));
    BitBtn2->setText(QStringLiteral("Cancel"));
    BitBtn2->setIcon(buttonIcon(ButtonPicture::CancelCross));
    BitBtn3 = placeControl<QPushButton>(this, QStringLiteral("BitBtn3"), QRect(0, 0, 0, 0));
    BitBtn3->hide();

    connectHandler(BitBtn1, &QPushButton::clicked, this, &TForm_Period::BitBtn1Click);
    connectHandler(BitBtn2, &QPushButton::clicked, this, &TForm_Period::reject);
    connectHandler(BitBtn3, &QPushButton::clicked, this, &TForm_Period::accept);
}

void TForm_Period::FormCreate()
{
    applyDialogScaleRule();
    const QDate today = QDate::currentDate();
    DateTimePicker1->setDate(today);
    DateTimePicker2->setDate(today);
}

void TForm_Period::BitBtn1Click()
{
    if (DateTimePicker2->date() >= DateTimePicker1->date()) {
        BitBtn3->click();
        return;
    }
    ui().information(QStringLiteral("Дата начала периода не может быть больше даты окончания периода !"));
    DateTimePicker1->setFocus();
}
