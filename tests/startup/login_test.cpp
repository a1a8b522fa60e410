// The login dialog against a real database, driven through its controls:
// the shift check, the exact name and password comparison, Name.txt and the
// order screen of each layout.
#include "db/tform_base.h"
#include "order/tform_main.h"
#include "order/tform_p2.h"
#include "startup/application.h"
#include "startup/codepages.h"
#include "startup/file_io.h"
#include "startup/keystream.h"
#include "startup/password_file.h"
#include "startup/program_state.h"
#include "startup/tform_vhod.h"
#include "support/terminal_test.h"
#include "support/test_database.h"

#include <QDir>
#include <functional>
#include <QLineEdit>
#include <QPushButton>

namespace {

class Login : public TerminalTest {
protected:
    Login()
    {
        writeWholeFile(programFile(QStringLiteral("Net.txt")), "Local\r\n" + database.connectionString().toLocal8Bit() + "\r\n");
        Keystream keystream;
        writePasswordFile(keystream, programFile(QStringLiteral("psw.txt")), encodeText(CodePage::Cp1251, serverAccount().password));
        database.run(QStringLiteral(
            "INSERT INTO SPISOK_MENU (KOD) VALUES (1);"
            "INSERT INTO PERSON (KOD, LOGIN, PASSW) VALUES (5, 'anna', 'secret');"
            "INSERT INTO PERSON (KOD, LOGIN, PASSW) VALUES (6, 'Boris', '');"
            "INSERT INTO PERSON (KOD, LOGIN, PASSW) VALUES (7, 'twin', 'first');"
            "INSERT INTO PERSON (KOD, LOGIN, PASSW) VALUES (8, 'twin', 'second');"
            "INSERT INTO PERSON (KOD, LOGIN, PASSW) VALUES (4294967305, ' sp ', 'x');"));
    }
    ~Login() override { forms.reset(); }

    void openShift() { database.run(QStringLiteral("INSERT INTO SMENA (KOD, KOD_MENU, STATUS) VALUES (10, 1, 0)")); }

    // Types into the login dialog and presses OK.
    static void logIn(const QString& login, const QString& password)
    {
        Form_Vhod->ELogin->setText(login);
        Form_Vhod->EPassword->setText(password);
        Form_Vhod->BitBtn1->click();
    }

    // The login dialog is shown at the end of start-up; the test works in it
    // through `inDialog`.
    void startAndLogIn(const std::function<void()>& inDialog)
    {
        ui.answerModal([inDialog](QDialog& dialog) {
            inDialog();
            return dialog.result();
        });
        startProgram();
    }

    TestDatabase database;
};

} // namespace

TEST_F(Login, SuccessfulLoginOnTheTwentyFourTileLayout)
{
    openShift();
    database.run(QStringLiteral("INSERT INTO MY_PARAM (KOD, NAME_PARAM) VALUES (1, 'ff2')"));
    int dialogResult = -1;
    startAndLogIn([&] {
        EXPECT_EQ(Form_Vhod->focusWidget(), Form_Vhod->ELogin);
        logIn(QStringLiteral("anna"), QStringLiteral("secret"));
        dialogResult = Form_Vhod->result();
    });
    EXPECT_EQ(dialogResult, QDialog::Accepted);
    EXPECT_TRUE(ui.messages().isEmpty()) << ui.messages().join(u'\n').toStdString();
    EXPECT_TRUE(Form_Main->isVisible());
    EXPECT_EQ(CurrentPersonKod, 5);
    EXPECT_EQ(CurrentLogin, QStringLiteral("anna"));
    EXPECT_EQ(readWholeFile(programFile(QStringLiteral("Name.txt"))), "anna\r\n");
    EXPECT_FALSE(programEndRequested());
}

TEST_F(Login, SuccessfulLoginOnTheFortyFiveTileLayoutRunsItModally)
{
    openShift();
    bool orderScreenShown = false;
    ui.answerModal([&](QDialog& dialog) {
        logIn(QStringLiteral("Boris"), QString()); // an empty password matches an empty PASSW
        return dialog.result();
    });
    ui.answerModal([&](QDialog& dialog) {
        orderScreenShown = &dialog == Form_P2 && !Form_Vhod->isVisible() && !Form_Main->isVisible();
        EXPECT_EQ(CurrentPersonKod, 6);
        dialog.close();
        return QDialog::Rejected;
    });
    startProgram();
    EXPECT_TRUE(orderScreenShown);
    EXPECT_EQ(CurrentLogin, QStringLiteral("Boris"));
    EXPECT_EQ(readWholeFile(programFile(QStringLiteral("Name.txt"))), "Boris\r\n");
    // Closing the 45-tile screen ended the program.
    EXPECT_TRUE(programEndRequested());
}

TEST_F(Login, RefusalsKeepTheDialogOpenWithTheFocusOnTheField)
{
    openShift();
    struct Case {
        QString login, password, message, focus;
    };
    const Case cases[] = {
        {"", "secret", "Введите логин !", "ELogin"},
        {"Anna", "secret", "Нет такого пользователя !", "ELogin"},
        {"anna ", "secret", "Нет такого пользователя !", "ELogin"},
        {"anna", "Secret", "Неверный пароль!", "EPassword"},
        {"anna", "", "Неверный пароль!", "EPassword"},
        // The first of two rows with the same login decides.
        {"twin", "second", "Неверный пароль!", "EPassword"},
    };
    startAndLogIn([&] {
        for (const Case& c : cases) {
            ui.clear();
            logIn(c.login, c.password);
            EXPECT_EQ(ui.messages(), QStringList {c.message}) << c.login.toStdString() << "/" << c.password.toStdString();
            EXPECT_EQ(Form_Vhod->focusWidget()->objectName(), c.focus) << c.login.toStdString();
            EXPECT_EQ(Form_Vhod->result(), QDialog::Rejected);
        }
        ui.clear();
        logIn(QStringLiteral("twin"), QStringLiteral("first"));
    });
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(CurrentPersonKod, 7);
}

TEST_F(Login, SpacesBelongToTheNameAndKeysAreReadThroughThirtyTwoBits)
{
    openShift();
    database.run(QStringLiteral("INSERT INTO MY_PARAM (KOD, NAME_PARAM) VALUES (1, 'ff2')"));
    startAndLogIn([] { logIn(QStringLiteral(" sp "), QStringLiteral("x")); });
    EXPECT_EQ(CurrentPersonKod, 9);
    EXPECT_EQ(readWholeFile(programFile(QStringLiteral("Name.txt"))), " sp \r\n");

    // The next start shows that name with the focus in the password field.
    forms.reset();
    startAndLogIn([] { EXPECT_EQ(Form_Vhod->focusWidget(), Form_Vhod->EPassword); });
    EXPECT_EQ(Form_Vhod->ELogin->text(), QStringLiteral(" sp "));
}

TEST_F(Login, NoOpenShiftEndsTheProgram)
{
    startAndLogIn([] { logIn(QStringLiteral("anna"), QStringLiteral("secret")); });
    EXPECT_EQ(ui.messages(), QStringList {QStringLiteral("На сервере не открыта смена ! Вход в программу невозможен !")});
    EXPECT_TRUE(programEndRequested());
    EXPECT_EQ(CurrentPersonKod, 0);
}

TEST_F(Login, ShiftQueryFailureKeepsTheDialogOpenAndTheNextPressTriesAgain)
{
    openShift();
    startAndLogIn([&] {
        const QString shiftStatement = Form_Base->QSmena.sql();
        Form_Base->QSmena.setSql({QStringLiteral("SELECT KOD, KOD_MENU FROM NO_SUCH_TABLE")});
        logIn(QStringLiteral("anna"), QStringLiteral("secret"));
        EXPECT_EQ(ui.messages(), QStringList {QStringLiteral("Проверте настройки подключения к серверу !!!")});
        EXPECT_EQ(Form_Vhod->result(), QDialog::Rejected);
        Form_Base->QSmena.setSql({shiftStatement});
        logIn(QStringLiteral("anna"), QStringLiteral("secret"));
    });
    EXPECT_EQ(CurrentLogin, QStringLiteral("anna"));
    EXPECT_FALSE(programEndRequested());
}

TEST_F(Login, NameTxtThatCannotBeWrittenKeepsTheDialogOpen)
{
    openShift();
    QDir(programDir()).mkdir(QStringLiteral("Name.txt"));
    startAndLogIn([&] {
        logIn(QStringLiteral("anna"), QStringLiteral("secret"));
        EXPECT_EQ(Form_Vhod->result(), QDialog::Rejected);
    });
    ASSERT_EQ(ui.errors().size(), 1);
    EXPECT_TRUE(ui.errors()[0].startsWith(QStringLiteral("I/O error 21"))) << ui.errors()[0].toStdString();
    EXPECT_FALSE(Form_Main->isVisible());
}

TEST_F(Login, CancelEndsTheProgramAndSettingsOpenOverTheDialog)
{
    openShift();
    startAndLogIn([] {
        Form_Vhod->BitBtn4->click();
        Form_Vhod->BitBtn2->click();
    });
    QStringList modals;
    for (const Shown& s : ui.shown())
        if (s.kind == Shown::Kind::Modal)
            modals << s.text;
    EXPECT_EQ(modals, QStringList({QStringLiteral("Form_Vhod"), QStringLiteral("Form_Net")}));
    EXPECT_TRUE(programEndRequested());
}
