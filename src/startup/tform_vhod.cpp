#include "startup/tform_vhod.h"

#include "db/tform_base.h"
#include "order/tform_main.h"
#include "order/tform_p2.h"
#include "startup/application.h"
#include "startup/design.h"
#include "startup/environment.h"
#include "startup/file_io.h"
#include "startup/forms.h"
#include "startup/interaction.h"
#include "startup/program_state.h"
#include "startup/settings_files.h"
#include "startup/tform_net.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm_Vhod::TForm_Vhod()
    : TerminalDialog(QStringLiteral("Вход в систему"))
{
    setObjectName(QStringLiteral("Form_Vhod"));
    setFont(windowDefaultFont());
    setDesignedSize(197, 181);
    createControls();
    connectHandlers();
}

void TForm_Vhod::createControls()
{
    const QFont caption = designFont(QStringLiteral("MS Sans Serif"), 13, true);
    Label1 = placeControl<QLabel>(this, QStringLiteral("Label1"), QRect(0, 0, 197, 16));
    Label1->setText(QStringLiteral("Логин"));
    Label1->setFont(caption);
    ELogin = placeControl<QLineEdit>(this, QStringLiteral("ELogin"), QRect(0, 20, 197, 21));
    Label2 = placeControl<QLabel>(this, QStringLiteral("Label2"), QRect(0, 48, 197, 16));
    Label2->setText(QStringLiteral("Пароль"));
    Label2->setFont(caption);
    // Shown as typed: staff type on a touch screen and want to see it.
    EPassword = placeControl<QLineEdit>(this, QStringLiteral("EPassword"), QRect(0, 64, 197, 21));
    BitBtn4 = placeControl<QPushButton>(this, QStringLiteral("BitBtn4"), QRect(0, 96, 197, 41));
    BitBtn4->setText(QStringLiteral("Настройка подключения"));
    BitBtn4->setToolTip(QStringLiteral("Настроить подключение к серверу"));
    BitBtn1 = placeControl<QPushButton>(this, QStringLiteral("BitBtn1"), QRect(0, 146, 97, 35));
    BitBtn1->setText(QStringLiteral("OK"));
    BitBtn1->setDefault(true);
    BitBtn2 = placeControl<QPushButton>(this, QStringLiteral("BitBtn2"), QRect(100, 146, 97, 35));
    BitBtn2->setText(QStringLiteral("Cancel"));
    BitBtn3 = placeControl<QPushButton>(this, QStringLiteral("BitBtn3"), QRect(0, 0, 0, 0));
    BitBtn3->hide();
}

void TForm_Vhod::FormCreate()
{
    applyDialogScaleRule();
    const QString nameFile = programFile(QLatin1String(NameFileName));
    if (fileExists(nameFile))
        ELogin->setText(readLastLogin(nameFile));
    setWindowTitle(QLatin1String(ProgramVersionTitle));
}

void TForm_Vhod::connectHandlers()
{
    connectHandler(BitBtn1, &QPushButton::clicked, this, &TForm_Vhod::BitBtn1Click);
    connectHandler(BitBtn2, &QPushButton::clicked, this, &TForm_Vhod::BitBtn2Click);
    connectHandler(BitBtn3, &QPushButton::clicked, this, &TForm_Vhod::BitBtn3Click);
    connectHandler(BitBtn4, &QPushButton::clicked, this, &TForm_Vhod::BitBtn4Click);
}

void TForm_Vhod::showEvent(QShowEvent* event)
{
    TerminalDialog::showEvent(event);
    if (ELogin->text().isEmpty())
        ELogin->setFocus();
    else
        EPassword->setFocus();
}

void TForm_Vhod::refuse(const QString& message, QLineEdit* edit)
{
    ui().information(message);
    edit->setFocus();
}

bool TForm_Vhod::findPerson(const QString& login)
{
    Query& person = Form_Base->QPerson;
    for (person.first(); !person.eof(); person.next())
        if (person.asString(QStringLiteral("LOGIN")) == login)
            return true;
    return false;
}

void TForm_Vhod::BitBtn1Click()
{
    // The shift query runs once; later presses reuse its first row, which
    // sending an order reads the menu from.
    Query& shift = Form_Base->QSmena;
    if (!shift.isOpen()) {
        try {
            shift.open();
        } catch (const std::exception&) {
            ui().information(QStringLiteral("Проверте настройки подключения к серверу !!!"));
            return;
        }
    }
    shift.first();
    if (shift.eof()) {
        ui().information(QStringLiteral("На сервере не открыта смена ! Вход в программу невозможен !"));
        Form_Main->close();
        return;
    }

    const QString login = ELogin->text();
    if (login.isEmpty()) {
        refuse(QStringLiteral("Введите логин !"), ELogin);
        return;
    }
    if (!findPerson(login)) {
        refuse(QStringLiteral("Нет такого пользователя !"), ELogin);
        return;
    }
    const Query& person = Form_Base->QPerson;
    if (person.asString(QStringLiteral("PASSW")) != EPassword->text()) {
        refuse(QStringLiteral("Неверный пароль!"), EPassword);
        return;
    }
    CurrentPersonKod = person.asInt32(QStringLiteral("KOD"));
    CurrentLogin = person.asString(QStringLiteral("LOGIN"));

    bool remembered = false;
    runReportingErrors([&] {
        writeLastLogin(programFile(QLatin1String(NameFileName)), login);
        remembered = true;
    });
    if (remembered)
        BitBtn3->click();
}

void TForm_Vhod::BitBtn2Click()
{
    Form_Main->close();
    TerminalDialog::reject();
}

void TForm_Vhod::reject()
{
    BitBtn2Click();
}

void TForm_Vhod::BitBtn3Click()
{
    if (!UseFormP2) {
        Form_Main->show();
        accept();
        return;
    }
    // The whole working time on the 45-tile screen runs in its modal loop;
    // closing that screen ends the program.
    hide();
    ui().execModal(*Form_P2);
    accept();
}

void TForm_Vhod::BitBtn4Click()
{
    ui().execModal(*Form_Net);
}
