#include "startup/tform_net.h"

#include "order/tform_main.h"
#include "startup/application.h"
#include "startup/design.h"
#include "startup/environment.h"
#include "startup/file_io.h"
#include "startup/forms.h"
#include "startup/interaction.h"
#include "startup/settings_files.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

namespace {

const QString DefaultDatabasePath = QStringLiteral("c:\\Program Files\\Dolvent\\devazire.fdb");
const QString AddressPartMessage = QStringLiteral("В поле должно быть не менее одной и не более трёх цифр");
const QString NetworkPathMessage = QStringLiteral("Путь к базе данных указан неверно !");

QFrame* placeBevel(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* bevel = placeControl<QFrame>(parent, name, geometry);
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Sunken);
    return bevel;
}

bool allDigits(const QString& text)
{
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

TForm_Net::TForm_Net()
    : TerminalDialog(QStringLiteral("Настройка программы для работы в сети"))
{
    setObjectName(QStringLiteral("Form_Net"));
    setFont(windowDefaultFont());
    setDesignedSize(425, 481);
    createControls();
    connectHandlers();
    setModeIndex(0);
}

void TForm_Net::createControls()
{
    const QFont bold13 = designFont(QStringLiteral("MS Sans Serif"), 13, true);

    Bevel1 = placeBevel(this, QStringLiteral("Bevel1"), QRect(0, 0, 425, 29));
    Label1 = placeControl<QLabel>(this, QStringLiteral("Label1"), QRect(24, 5, 380, 20));
    Label1->setText(QStringLiteral("Проверте, установлен ли протокол TCP/IP"));
    Label1->setFont(designFont(QStringLiteral("MS Sans Serif"), 16, true));
    Label1->setStyleSheet(QStringLiteral("color: red"));

    RadioGroup1 = placeControl<QGroupBox>(this, QStringLiteral("RadioGroup1"), QRect(0, 32, 425, 85));
    RadioGroup1->setTitle(QStringLiteral("Режим работы программы"));
    RadioGroup1Items[0] = placeControl<QRadioButton>(RadioGroup1, QStringLiteral("RadioGroup1Item0"), QRect(8, 22, 410, 24));
    RadioGroup1Items[0]->setText(QStringLiteral("Локальный (программа и база на одном компьютере)"));
    RadioGroup1Items[1] = placeControl<QRadioButton>(RadioGroup1, QStringLiteral("RadioGroup1Item1"), QRect(8, 50, 410, 24));
    RadioGroup1Items[1]->setText(QStringLiteral("Сетевой   (необходимо знать IP адрес сервера)"));
    auto* choices = new QButtonGroup(RadioGroup1);
    choices->addButton(RadioGroup1Items[0], 0);
    choices->addButton(RadioGroup1Items[1], 1);

    Bevel2 = placeBevel(this, QStringLiteral("Bevel2"), QRect(0, 120, 425, 165));
    Label2 = placeControl<QLabel>(this, QStringLiteral("Label2"), QRect(20, 124, 382, 128));
    Label2->setFont(bold13);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setText(QStringList {
        QStringLiteral("Путь к базе на компьютере где она расположена."),
        QString(),
        QStringLiteral("И для локальной и для сетевой базы всегда"),
        QStringLiteral("пишется путь так как будто она находится"),
        QStringLiteral("на локальном диске. Если программа установлена"),
        QStringLiteral("в паку по умолчанию, то этот путь будет такой:"),
        DefaultDatabasePath,
        QStringLiteral("Никаких сетевых имён дисков !!!"),
    }.join(u'\n'));

    E_Path = placeControl<QLineEdit>(this, QStringLiteral("E_Path"), QRect(8, 256, 389, 24));
    E_Path->setFont(bold13);
    E_Path->setText(DefaultDatabasePath);
    SpeedButton1 = placeControl<QToolButton>(this, QStringLiteral("SpeedButton1"), QRect(396, 256, 23, 22));
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));

    Bevel3 = placeBevel(this, QStringLiteral("Bevel3"), QRect(108, 288, 205, 61));
    Label6 = placeControl<QLabel>(this, QStringLiteral("Label6"), QRect(152, 296, 150, 16));
    Label6->setText(QStringLiteral("IP Адрес сервера"));
    const int addressLefts[] = {120, 168, 216, 264};
    for (int i = 0; i < 4; ++i) {
        E_IP[i] = placeControl<QLineEdit>(this, QStringLiteral("E_IP%1").arg(i + 1), QRect(addressLefts[i], 316, 37, 24));
        E_IP[i]->setFont(bold13);
    }
    const int dotLefts[] = {158, 206, 254};
    for (int i = 0; i < 3; ++i) {
        AddressDots[i] = placeControl<QLabel>(this, QStringLiteral("Label%1").arg(i + 3), QRect(dotLefts[i], 310, 8, 37));
        AddressDots[i]->setText(QStringLiteral("."));
        AddressDots[i]->setFont(designFont(QStringLiteral("MS Sans Serif"), 32, true));
    }

    BitBtn2 = placeControl<QPushButton>(this, QStringLiteral("BitBtn2"), QRect(0, 368, 425, 41));
    BitBtn2->setText(QStringLiteral("Изменить системный пароль для подключения к базе данных"));
    BitBtn2->setEnabled(false);
    Btn_Default = placeControl<QPushButton>(this, QStringLiteral("Btn_Default"), QRect(0, 412, 425, 41));
    Btn_Default->setText(QStringLiteral("Восстановить установки по умолчанию"));
    BtnOK = placeControl<QPushButton>(this, QStringLiteral("BtnOK"), QRect(0, 456, 210, 25));
    BtnOK->setText(QStringLiteral("OK"));
    BtnOK->setDefault(true);
    BtnCancel = placeControl<QPushButton>(this, QStringLiteral("BtnCancel"), QRect(214, 456, 210, 25));
    BtnCancel->setText(QStringLiteral("Cancel"));
    BitBtn1 = placeControl<QPushButton>(this, QStringLiteral("BitBtn1"), QRect(0, 0, 0, 0));
    BitBtn1->hide();
}

void TForm_Net::connectHandlers()
{
    for (QRadioButton* item : RadioGroup1Items)
        connectHandler(item, &QRadioButton::clicked, this, &TForm_Net::RadioGroup1Click);
    connectHandler(Btn_Default, &QPushButton::clicked, this, &TForm_Net::Btn_DefaultClick);
    connectHandler(SpeedButton1, &QToolButton::clicked, this, &TForm_Net::SpeedButton1Click);
    connectHandler(BtnOK, &QPushButton::clicked, this, &TForm_Net::BtnOKClick);
    connectHandler(BtnCancel, &QPushButton::clicked, this, &TForm_Net::reject);
    connectHandler(BitBtn1, &QPushButton::clicked, this, &TForm_Net::accept);
}

int TForm_Net::modeIndex() const
{
    return RadioGroup1Items[1]->isChecked() ? 1 : 0;
}

void TForm_Net::setModeIndex(int index)
{
    RadioGroup1Items[index == 1 ? 1 : 0]->setChecked(true);
    RadioGroup1Click();
}

void TForm_Net::showEvent(QShowEvent* event)
{
    TerminalDialog::showEvent(event);
    runReportingErrors([this] { FormShow(); });
}

void TForm_Net::FormShow()
{
    const NetSettings settings = readNetSettings(programFile(QLatin1String(NetFileName)));
    switch (settings.mode) {
    case NetSettings::Mode::Local:
        E_Path->setText(settings.databasePath);
        setModeIndex(0);
        break;
    case NetSettings::Mode::Network:
        for (int i = 0; i < 4; ++i)
            E_IP[i]->setText(settings.address[i]);
        E_Path->setText(settings.databasePath);
        setModeIndex(1);
        break;
    case NetSettings::Mode::Unknown:
        break;
    }
}

void TForm_Net::RadioGroup1Click()
{
    // Local mode greys the address out in the button-face colour.
    const bool network = modeIndex() == 1;
    QPalette palette = this->palette();
    if (!network)
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    for (QLineEdit* edit : E_IP) {
        edit->setPalette(palette);
        edit->setEnabled(network);
    }
}

void TForm_Net::Btn_DefaultClick()
{
    setModeIndex(0);
    E_Path->setText(DefaultDatabasePath);
}

void TForm_Net::SpeedButton1Click()
{
    const QString path = ui().openFileName(QStringLiteral("База данных FireBird|*.fdb"));
    if (!path.isEmpty())
        E_Path->setText(path);
}

bool TForm_Net::refuse(const QString& message, QLineEdit* edit)
{
    ui().information(message);
    edit->setFocus();
    return false;
}

bool TForm_Net::localInputValid()
{
    if (E_Path->text().size() < 15)
        return refuse(QStringLiteral("Укажите путь к базе данных !!!"), E_Path);
    if (!fileExists(E_Path->text()))
        return refuse(QStringLiteral("По указанному пути файл не найден !!!"), E_Path);
    return true;
}

bool TForm_Net::networkInputValid()
{
    // Every length is checked before any digit.
    for (QLineEdit* edit : E_IP)
        if (edit->text().isEmpty() || edit->text().size() > 3)
            return refuse(AddressPartMessage, edit);
    for (QLineEdit* edit : E_IP)
        if (!allDigits(edit->text()))
            return refuse(AddressPartMessage, edit);
    const QString path = E_Path->text();
    if (path.size() < 15 || path.mid(1, 2) != QLatin1String(":\\") || path.right(12).toUpper() != QLatin1String("DEVAZIRE.FDB"))
        return refuse(NetworkPathMessage, E_Path);
    return true;
}

void TForm_Net::BtnOKClick()
{
    const QString netFile = programFile(QLatin1String(NetFileName));
    if (modeIndex() == 0) {
        if (!localInputValid())
            return;
        writeLocalNetTxt(netFile, E_Path->text());
    } else {
        if (!networkInputValid())
            return;
        writeNetworkNetTxt(netFile, {E_IP[0]->text(), E_IP[1]->text(), E_IP[2]->text(), E_IP[3]->text()}, E_Path->text());
    }
    finish();
}

void TForm_Net::finish()
{
    BitBtn1->click();
    ui().information(QStringLiteral("Для того чтоб изменения вступили в силу, необходимо перезапустить программу !"));
    Form_Main->close();
}
