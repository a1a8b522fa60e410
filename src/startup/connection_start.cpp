// The connection start: the creation step of Form_Base, run once at start
// before any event loop. It ends by running the login dialog, or ends the
// program when the database cannot be used.
#include "db/tform_base.h"

#include "order/localtable/prepare_local_tables.h"
#include "order/tform_main.h"
#include "order/tform_p2.h"
#include "startup/application.h"
#include "startup/codepages.h"
#include "startup/environment.h"
#include "startup/file_io.h"
#include "startup/forms.h"
#include "startup/interaction.h"
#include "startup/password_file.h"
#include "startup/program_state.h"
#include "startup/settings_files.h"
#include "startup/tform_net.h"
#include "startup/tform_util.h"
#include "startup/tform_vhod.h"
#include "startup/tform_wait.h"

#include <QTabWidget>

namespace {
constexpr int SupportedDatabaseVersion = 59;
}

void TForm_Base::FormCreate()
{
    Form_Wait->showNow();
    Form_Main->hide();
    if (MyDB.isConnected())
        MyDB.disconnect();

    // The settings files are read outside the protected block: when they
    // cannot be read, the file layer's message is shown and the program ends.
    try {
        MyDB.setDatabaseName(readConnectionString(programFile(QLatin1String(NetFileName))));
        const QString passwordFile = programFile(QLatin1String(PasswordFileName));
        if (fileExists(passwordFile)) {
            const QByteArray password = readPasswordFile(Form_Util->keystream, passwordFile);
            MyDB.setParams({QStringLiteral("user_name=SYSDBA"),
                            QStringLiteral("password=") + decodeText(CodePage::Cp1251, password),
                            QStringLiteral("lc_ctype=WIN1251")});
        }
    } catch (const std::exception& e) {
        Form_Wait->hide();
        reportError(e);
        Form_Main->close();
        return;
    }

    // The main window's step has already shown why the local tables could
    // not be prepared; without them no order can be taken, so the program ends.
    if (!Form_Main->TKassa.isOpen() || !Form_Main->TMenu.isOpen()) {
        Form_Wait->hide();
        Form_Main->close();
        return;
    }

    try {
        MyDB.connect();
        if (!checkVersion())
            return;
        fillMenuCache();
        loadStaff();
        chooseLayout();
        loadTiles();
    } catch (const std::exception&) {
        Form_Wait->hide();
        ui().information(QStringLiteral(
            "Невозможно открыть базу данных ! Проверте настройки подключения к серверу и перезапустите программу !!!"));
        ui().execModal(*Form_Net);
        Form_Main->close();
        return;
    }

    Form_Wait->hide();
    ui().execModal(*Form_Vhod);
}

bool TForm_Base::checkVersion()
{
    setStatement(QRead1, {QStringLiteral("SELECT MAX(NUMBER_VER) FROM MY_VERSION")});
    QRead1.open();
    const int version = QRead1.asInt32(QStringLiteral("MAX"));
    QString refusal;
    if (version < SupportedDatabaseVersion)
        refusal = QStringLiteral("Версия вашей копии программы выше версии базы данных к которой Вы пытаетесь подключится !");
    else if (version > SupportedDatabaseVersion)
        refusal = QStringLiteral("Версия базы данных к которой Вы пытаетесь подключится выше версии Вашей копии программы. "
                                 "Необходимо обновить версию !");
    QRead1.close();
    if (refusal.isEmpty())
        return true;
    Form_Wait->hide();
    ui().information(refusal);
    Form_Main->close();
    return false;
}

void TForm_Base::fillMenuCache()
{
    setStatement(QRead1, {
        QStringLiteral("SELECT MENU_STR.KOD_BLUDO_CALC_PROGRAM, MENU_STR.NAME, MENU_STR.CENA FROM MENU_STR"),
        QStringLiteral("JOIN SPISOK_MENU ON SPISOK_MENU.KOD = MENU_STR.KOD_MENU"),
        QStringLiteral("JOIN SMENA ON SMENA.KOD_MENU = SPISOK_MENU.KOD"),
        QStringLiteral("WHERE SMENA.STATUS < 10 ORDER BY NAME"),
    });
    QRead1.open();
    LocalTable& menu = Form_Main->TMenu;
    // The goods list's grid is shown the whole cache once, not row by row.
    const DetachedView detached(Form_Main->DSMenu);
    for (; !QRead1.eof(); QRead1.next()) {
        menu.append();
        menu.setInteger(LocalColumn::KOD, QRead1.asInt32(QStringLiteral("KOD_BLUDO_CALC_PROGRAM")));
        menu.setText(LocalColumn::NAME, QRead1.asString(QStringLiteral("NAME")));
        menu.setDouble(LocalColumn::CENA, QRead1.asDouble(QStringLiteral("CENA")));
        menu.post();
    }
    QRead1.close();
}

void TForm_Base::loadStaff()
{
    QPerson.prepare();
    QPerson.open();
    QPerson.fetchAll();
}

void TForm_Base::chooseLayout()
{
    setStatement(QRead1, {QStringLiteral("SELECT NAME_PARAM FROM MY_PARAM WHERE NAME_PARAM = :N")});
    QRead1.setString(QStringLiteral("N"), QStringLiteral("ff2"));
    QRead1.open();
    UseFormP2 = QRead1.eof();
    QRead1.close();
}

void TForm_Base::loadTiles()
{
    if (UseFormP2)
        Form_Main->LoadP2Tiles();
    else
        Form_Main->LoadMainTiles();
    TForm_Main::screenInUse().PageControl1->setCurrentIndex(0);
}
