#include "startup/tform_vhod.h"

#include "startup/design.h"
#include "startup/environment.h"
#include "startup/file_io.h"
#include "startup/program_state.h"
#include "startup/settings_files.h"

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
