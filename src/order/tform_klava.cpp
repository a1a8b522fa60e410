#include "order/tform_klava.h"

#include "order/button_pictures.h"
#include "order/order_screen.h"
#include "startup/application.h"
#include "startup/design.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace {
QString decimalSeparator() { return QLocale().decimalPoint(); }
} // namespace

TForm_Klava::TForm_Klava()
    : TerminalDialog(QString(), TitleButtons::CloseOnly)
{
    setObjectName(QStringLiteral("Form_Klava"));
    setFont(designFont(QStringLiteral("Arial"), 32, true));
    setDesignedSize(233, 225);
    createControls();
    connectHandlers();
}

void TForm_Klava::createControls()
{
    Edit1 = placeControl<QLineEdit>(this, QStringLiteral("Edit1"), QRect(0, 0, 233, 37));
    Edit1->setReadOnly(true);
    Edit1->setFrame(false);
    Edit1->setFocusPolicy(Qt::NoFocus);
    QPalette face = Edit1->palette();
    face.setColor(QPalette::Base, buttonFaceColour());
    Edit1->setPalette(face);

    struct Key {
        QPushButton*& button;
        const char* name;
        QRect place;
        QString caption;
        int digit; // -1 for the keys that are no digits
    };
    const Key keys[] = {
        {BitBtn1, "BitBtn1", {0, 40, 53, 41}, QStringLiteral("1"), 1},
        {BitBtn2, "BitBtn2", {60, 40, 53, 41}, QStringLiteral("2"), 2},
        {BitBtn3, "BitBtn3", {120, 40, 53, 41}, QStringLiteral("3"), 3},
        {BitBtn4, "BitBtn4", {0, 88, 53, 41}, QStringLiteral("4"), 4},
        {BitBtn5, "BitBtn5", {60, 88, 53, 41}, QStringLiteral("5"), 5},
        {BitBtn6, "BitBtn6", {120, 88, 53, 41}, QStringLiteral("6"), 6},
        {BitBtn7, "BitBtn7", {0, 136, 53, 41}, QStringLiteral("7"), 7},
        {BitBtn8, "BitBtn8", {60, 136, 53, 41}, QStringLiteral("8"), 8},
        {BitBtn9, "BitBtn9", {120, 136, 53, 41}, QStringLiteral("9"), 9},
        {BitBtn11, "BitBtn11", {0, 184, 53, 41}, QStringLiteral(","), -1},
        {BitBtn10, "BitBtn10", {60, 184, 53, 41}, QStringLiteral("0"), 0},
        {BitBtn13, "BitBtn13", {120, 184, 53, 41}, QString(), -1},
        {BitBtn12, "BitBtn12", {180, 40, 53, 185}, QString(), -1},
    };
    // The digit keys carry their digit as their id in the group.
    digitKeys_ = new QButtonGroup(this);
    for (const Key& k : keys) {
        k.button = placeControl<QPushButton>(this, QLatin1String(k.name), k.place);
        k.button->setText(k.caption);
        if (k.digit >= 0)
            digitKeys_->addButton(k.button, k.digit);
    }
    BitBtn12->setIcon(buttonIcon(ButtonPicture::KeypadOk));
    BitBtn12->setIconSize(buttonPictureSize(ButtonPicture::KeypadOk));
    BitBtn13->setIcon(buttonIcon(ButtonPicture::DeleteLeft));
    BitBtn13->setIconSize(buttonPictureSize(ButtonPicture::DeleteLeft));
}

void TForm_Klava::connectHandlers()
{
    connectHandler(digitKeys_, &QButtonGroup::idClicked, this, &TForm_Klava::BitBtn1Click);
    connectHandler(BitBtn11, &QPushButton::clicked, this, &TForm_Klava::BitBtn11Click);
    connectHandler(BitBtn12, &QPushButton::clicked, this, &TForm_Klava::BitBtn12Click);
    connectHandler(BitBtn13, &QPushButton::clicked, this, &TForm_Klava::BitBtn13Click);
}

void TForm_Klava::FormCreate()
{
    applyDialogScaleRule();
}

void TForm_Klava::showEvent(QShowEvent* event)
{
    Edit1->clear();
    SeparatorEntered = false;
    TerminalDialog::showEvent(event);
}

// After a digit or the separator the check-mark key takes the focus, so that
// Enter confirms what was typed.
void TForm_Klava::BitBtn1Click(int digit)
{
    Edit1->setText(Edit1->text() + QString::number(digit));
    BitBtn12->setFocus();
}

void TForm_Klava::BitBtn11Click()
{
    if (!SeparatorEntered) {
        Edit1->setText(Edit1->text() + decimalSeparator());
        SeparatorEntered = true;
    }
    BitBtn12->setFocus();
}

void TForm_Klava::BitBtn12Click()
{
    accept();
}

void TForm_Klava::BitBtn13Click()
{
    QString text = Edit1->text();
    if (text.isEmpty())
        return;
    const QString separator = decimalSeparator();
    if (text.endsWith(separator)) {
        SeparatorEntered = false;
        text.chop(separator.size());
    } else {
        text.chop(1);
    }
    Edit1->setText(text);
}
