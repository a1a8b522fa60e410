// The connection start against a real database: the version check, the
// menu cache, the staff list, the layout switch, the failure path and the
// login at the end.
#include "db/tform_base.h"
#include "order/tform_main.h"
#include "startup/application.h"
#include "startup/codepages.h"
#include "startup/file_io.h"
#include "startup/keystream.h"
#include "startup/password_file.h"
#include "startup/program_state.h"
#include "startup/settings_files.h"
#include "support/terminal_test.h"
#include "support/test_database.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <functional>

namespace {

const QString FailureMessage =
    QStringLiteral("Невозможно открыть базу данных ! Проверте настройки подключения к серверу и перезапустите программу !!!");

class ConnectionStart : public TerminalTest {
protected:
    // The program's connection goes before the database is dropped.
    ~ConnectionStart() override { forms.reset(); }

    // Net.txt and psw.txt that reach the test database.
    void pointAt(const QString& connectionString, const QString& password)
    {
        writeWholeFile(programFile(QStringLiteral("Net.txt")), "Local\r\n" + connectionString.toLocal8Bit() + "\r\n");
        Keystream keystream;
        writePasswordFile(keystream, programFile(QStringLiteral("psw.txt")), encodeText(CodePage::Cp1251, password));
    }
    void pointAtDatabase() { pointAt(database.connectionString(), serverAccount().password); }

    // Titles of the modal dialogs shown, by object name.
    QStringList modals() const
    {
        QStringList names;
        for (const Shown& s : ui.shown())
            if (s.kind == Shown::Kind::Modal)
                names << s.text;
        return names;
    }

    QStringList menuCache() const
    {
        QStringList rows;
        LocalTable& menu = Form_Main->TMenu;
        for (int i = 0; i < menu.LiveRowCount(); ++i) {
            const LocalRow row = menu.row(i);
            rows << QStringLiteral("%1 %2 %3").arg(row.asInteger(QStringLiteral("KOD"))).arg(row.asText(QStringLiteral("NAME"))).arg(row.asDouble(QStringLiteral("CENA")));
        }
        return rows;
    }

    TestDatabase database;
};

} // namespace

TEST_F(ConnectionStart, VersionCheck)
{
    pointAtDatabase();
    struct Case {
        const char* setUp;
        QString message;
    };
    const Case cases[] = {
        {"", QString()},
        {"UPDATE MY_VERSION SET NUMBER_VER = 58", QStringLiteral("Версия вашей копии программы выше версии базы данных к которой Вы пытаетесь подключится !")},
        {"UPDATE MY_VERSION SET NUMBER_VER = 60", QStringLiteral("Версия базы данных к которой Вы пытаетесь подключится выше версии Вашей копии программы. Необходимо обновить версию !")},
        {"DELETE FROM MY_VERSION", QStringLiteral("Версия вашей копии программы выше версии базы данных к которой Вы пытаетесь подключится !")},
    };
    for (const Case& c : cases) {
        if (*c.setUp)
            database.run(QString::fromLatin1(c.setUp));
        ui.clear();
        resetProgramEnd();
        forms.reset();
        startProgram();
        if (c.message.isEmpty()) {
            EXPECT_TRUE(ui.messages().isEmpty()) << ui.messages().join(u'\n').toStdString();
            EXPECT_EQ(modals(), QStringList {QStringLiteral("Form_Vhod")});
            EXPECT_FALSE(programEndRequested());
        } else {
            EXPECT_EQ(ui.messages(), QStringList {c.message}) << c.setUp;
            EXPECT_TRUE(modals().isEmpty()) << c.setUp;
            EXPECT_TRUE(programEndRequested()) << c.setUp;
        }
    }
}

TEST_F(ConnectionStart, MenuCacheStaffAndLayout)
{
    pointAtDatabase();
    database.run(QStringLiteral(
        "INSERT INTO SPISOK_MENU (KOD) VALUES (1);"
        "INSERT INTO SPISOK_MENU (KOD) VALUES (2);"
        "INSERT INTO SPISOK_MENU (KOD) VALUES (3);"
        "INSERT INTO SMENA (KOD, KOD_MENU, STATUS) VALUES (10, 1, 0);"
        "INSERT INTO SMENA (KOD, KOD_MENU, STATUS) VALUES (11, 2, 9);"
        "INSERT INTO SMENA (KOD, KOD_MENU, STATUS) VALUES (12, 3, 10);"
        "INSERT INTO MENU_STR (KOD_MENU, KOD_BLUDO_CALC_PROGRAM, NAME, CENA) VALUES (1, 7, 'Чай', 25.5);"
        "INSERT INTO MENU_STR (KOD_MENU, KOD_BLUDO_CALC_PROGRAM, NAME, CENA) VALUES (1, 4294967297, 'Борщ', 150);"
        "INSERT INTO MENU_STR (KOD_MENU, KOD_BLUDO_CALC_PROGRAM, NAME, CENA) VALUES (2, 7, 'Чай', 25.5);"
        "INSERT INTO MENU_STR (KOD_MENU, KOD_BLUDO_CALC_PROGRAM, NAME, CENA) VALUES (3, 8, 'Кофе', 90);"
        "INSERT INTO PERSON (KOD, LOGIN, PASSW) VALUES (1, 'anna', '1');"
        "INSERT INTO PERSON (KOD, LOGIN, PASSW) VALUES (2, 'boris', '2');"));
    startProgram();
    ASSERT_TRUE(ui.messages().isEmpty()) << ui.messages().join(u'\n').toStdString();
    // In name order; the code of 2^32 + 1 read through its low 32 bits; the
    // dish on the menus of two open shifts twice; the closed shift's dish not at all.
    EXPECT_EQ(menuCache(), QStringList({"1 Борщ 150", "7 Чай 25.5", "7 Чай 25.5"}));
    EXPECT_EQ(Form_Base->QPerson.recordCount(), 2);
    EXPECT_EQ(Form_Base->QPerson.asString(QStringLiteral("LOGIN")), QStringLiteral("anna"));
    EXPECT_TRUE(UseFormP2);
    EXPECT_TRUE(Form_Base->TransactionRead.isActive());
    EXPECT_FALSE(Form_Base->TransactionWrite.isActive());

    forms.reset();
    ui.clear();
    database.run(QStringLiteral("INSERT INTO MY_PARAM (KOD, NAME_PARAM) VALUES (1, 'ff2')"));
    startProgram();
    EXPECT_FALSE(UseFormP2);
}

TEST_F(ConnectionStart, NoOpenShiftStillReachesTheLogin)
{
    pointAtDatabase();
    startProgram();
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(Form_Main->TMenu.LiveRowCount(), 0);
    EXPECT_EQ(modals(), QStringList {QStringLiteral("Form_Vhod")});
}

TEST_F(ConnectionStart, FailuresTakeTheFailurePathToTheSettingsDialog)
{
    struct Case {
        const char* what;
        std::function<void()> setUp;
    };
    const Case cases[] = {
        {"wrong password", [&] { pointAt(database.connectionString(), QStringLiteral("not-the-password")); }},
        {"refused port", [&] { pointAt(QStringLiteral("127.0.0.1/3999:") + database.path(), serverAccount().password); }},
        {"no such file", [&] { pointAt(QStringLiteral("localhost:/nonexistent/devazire.fdb"), serverAccount().password); }},
        {"missing table", [&] {
             pointAtDatabase();
             database.run(QStringLiteral("DROP TABLE MY_PARAM"));
         }},
    };
    for (const Case& c : cases) {
        forms.reset();
        ui.clear();
        resetProgramEnd();
        c.setUp();
        QElapsedTimer timer;
        timer.start();
        startProgram();
        EXPECT_EQ(ui.messages(), QStringList {FailureMessage}) << c.what;
        EXPECT_EQ(modals(), QStringList {QStringLiteral("Form_Net")}) << c.what;
        EXPECT_TRUE(programEndRequested()) << c.what;
        std::printf("[ failure path: %s took %lld ms ]\n", c.what, static_cast<long long>(timer.elapsed()));
    }
}

TEST_F(ConnectionStart, ConnectionParametersWithAndWithoutPasswordFile)
{
    writeWholeFile(programFile(QStringLiteral("Net.txt")), "Local\r\n" + database.connectionString().toLocal8Bit() + "\r\n");
    startProgram();
    EXPECT_EQ(Form_Base->MyDB.params(),
              QStringList({"user_name=SYSDBA", "password=diradivev", "lc_ctype=WIN1251"}));

    forms.reset();
    pointAt(database.connectionString(), QStringLiteral("Пароль"));
    startProgram();
    EXPECT_EQ(Form_Base->MyDB.params(), QStringList({"user_name=SYSDBA", "password=Пароль", "lc_ctype=WIN1251"}));
}

TEST_F(ConnectionStart, UnreadableSettingsEndTheProgramWithTheFileLayerMessage)
{
    // A folder where Net.txt should be: the main window cannot write its
    // default, and the connection start cannot read it.
    QDir(programDir()).mkdir(QStringLiteral("Net.txt"));
    startProgram();
    ASSERT_EQ(ui.errors().size(), 2);
    EXPECT_EQ(ui.errors()[1], QStringLiteral("I/O error 21: ") + programFile(QStringLiteral("Net.txt")));
    EXPECT_TRUE(programEndRequested());
    EXPECT_TRUE(modals().isEmpty());
}
