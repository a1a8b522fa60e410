// Damaged files of the program folder: settings, password file and local
// tables broken before the start or while the program runs, and a program
// folder that cannot be written. The program must show a message and either
// reach the login or end, never crash.
#include "order/order_fixture.h"
#include "startup/application.h"
#include "startup/codepages.h"
#include "startup/file_io.h"
#include "startup/keystream.h"
#include "startup/password_file.h"
#include "support/terminal_test.h"
#include "support/test_database.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <functional>

namespace {

const QString Refused =
    QStringLiteral("Невозможно открыть базу данных ! Проверте настройки подключения к серверу и перезапустите программу !!!");

// The same bytes on every run, so a failure can be repeated.
QByteArray randomBytes(int size)
{
    QRandomGenerator generator(1251);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator.bounded(256));
    return bytes;
}

// How a start ended: the messages and the modal dialogs shown, and whether
// the program asked to end.
struct Ending {
    QStringList messages;
    QStringList modals;
    bool ends;
};

class StartUpFaults : public TerminalTest {
protected:
    ~StartUpFaults() override { forms.reset(); }

    QByteArray netTxt() const { return "Local\r\n" + database.connectionString().toLocal8Bit() + "\r\n"; }
    QByteArray pswTxt(const QByteArray& password) const
    {
        Keystream keystream;
        return formPasswordFile(keystream, password);
    }
    QByteArray goodPsw() const { return pswTxt(encodeText(CodePage::Cp1251, serverAccount().password)); }

    // Replaces the file by these bytes, or by a folder when folder is set.
    void put(const QString& name, const QByteArray& bytes, bool folder = false)
    {
        const QString path = programFile(name);
        QFile::remove(path);
        QDir(path).removeRecursively();
        if (folder)
            ASSERT_TRUE(QDir().mkdir(path));
        else
            writeWholeFile(path, bytes);
    }

    Ending start()
    {
        forms.reset();
        ui.clear();
        resetProgramEnd();
        startProgram();
        Ending ending {ui.messages(), {}, programEndRequested()};
        for (const Shown& s : ui.shown())
            if (s.kind == Shown::Kind::Modal)
                ending.modals << s.text;
        return ending;
    }

    Ending login() const { return {{}, {QStringLiteral("Form_Vhod")}, false}; }
    Ending refused() const { return {{Refused}, {QStringLiteral("Form_Net")}, true}; }
    Ending fileErrors(const QStringList& errors) const { return {errors, {}, true}; }

    TestDatabase database;
};

void expectEnding(const Ending& actual, const Ending& expected, const char* what)
{
    EXPECT_EQ(actual.messages, expected.messages) << what;
    EXPECT_EQ(actual.modals, expected.modals) << what;
    EXPECT_EQ(actual.ends, expected.ends) << what;
}

} // namespace

TEST_F(StartUpFaults, DamagedNetTxt)
{
    const QByteArray good = netTxt();
    const QByteArray target = database.connectionString().toLocal8Bit();
    struct Case {
        const char* what;
        QByteArray bytes;
        bool folder;
        Ending ending;
    };
    const Case cases[] = {
        {"truncated inside the connection string", good.left(good.size() - 8), false, refused()},
        {"mode line only", "Local\r\n", false, refused()},
        {"empty", "", false, refused()},
        {"random bytes", randomBytes(512), false, refused()},
        {"a folder", "", true,
         fileErrors({QStringLiteral("I/O error 21: ") + programFile(QStringLiteral("Net.txt")),
                     QStringLiteral("I/O error 21: ") + programFile(QStringLiteral("Net.txt"))})},
        {"lone LF line ends", "Local\n" + target + "\n", false, login()},
        {"lone CR line ends", "Local\r" + target + "\r", false, login()},
        {"no line end after the last line", "Local\r\n" + target, false, login()},
        {"LF CR line ends leave an empty second line", "Local\n\r" + target + "\n\r", false, refused()},
        {"byte 0x98, unused in code page 1251, in the mode line", "Lo\x98" "cal\r\n" + target + "\r\n", false, login()},
        {"byte 0x98 in the connection string", "Local\r\n" + target + "\x98\r\n", false, refused()},
    };
    for (const Case& c : cases) {
        put(QStringLiteral("psw.txt"), goodPsw());
        put(QStringLiteral("Net.txt"), c.bytes, c.folder);
        expectEnding(start(), c.ending, c.what);
    }
}

TEST_F(StartUpFaults, DamagedPasswordFile)
{
    const QByteArray good = goodPsw();
    // Without a readable psw.txt the program's built-in password is used.
    const Ending builtIn = serverAccount().password == QLatin1String("diradivev") ? login() : refused();
    struct Case {
        const char* what;
        QByteArray bytes;
        bool folder;
        Ending ending;
    };
    const Case cases[] = {
        {"truncated inside the header", good.left(10), false, refused()},
        {"last byte missing", good.left(good.size() - 1), false, refused()},
        {"empty", "", false, refused()},
        {"random bytes", randomBytes(64), false, refused()},
        {"a folder", "", true, builtIn},
        {"CR LF appended", good + "\r\n", false, refused()},
        {"password with byte 0x98, unused in code page 1251", pswTxt("pass\x98word"), false, refused()},
    };
    for (const Case& c : cases) {
        put(QStringLiteral("Net.txt"), netTxt());
        put(QStringLiteral("psw.txt"), c.bytes, c.folder);
        expectEnding(start(), c.ending, c.what);
    }
}

TEST_F(StartUpFaults, DamagedLocalTablesAreReplacedAtStart)
{
    put(QStringLiteral("Net.txt"), netTxt());
    put(QStringLiteral("psw.txt"), goodPsw());
    const QByteArray damages[] = {QByteArray(), randomBytes(4096), randomBytes(20),
                                  QByteArray("\x03\x7a\x01\x01\xff\xff\xff\x7f", 8)};
    for (const char* name : {"Kassa.dbf", "Menu.dbf"}) {
        for (const QByteArray& bytes : damages) {
            put(QLatin1String(name), bytes);
            expectEnding(start(), login(), name);
            EXPECT_EQ(readWholeFile(programFile(QLatin1String(name))).size(), 194) << name;
            EXPECT_TRUE(Form_Main->TKassa.isOpen() && Form_Main->TMenu.isOpen()) << name;
        }
    }
}

TEST_F(StartUpFaults, LocalTableThatCannotBeReplacedIsShown)
{
    put(QStringLiteral("Net.txt"), netTxt());
    put(QStringLiteral("psw.txt"), goodPsw());
    for (const char* name : {"Kassa.dbf", "Menu.dbf"}) {
        put(QStringLiteral("Kassa.dbf"), {});
        put(QStringLiteral("Menu.dbf"), {});
        put(QLatin1String(name), {}, true);
        const Ending ending = start();
        EXPECT_EQ(ending.messages, QStringList {QStringLiteral("I/O error 21: ") + programFile(QLatin1String(name))}) << name;
        EXPECT_TRUE(ending.ends) << name;
        EXPECT_TRUE(ending.modals.isEmpty()) << name;
    }
}

TEST_F(StartUpFaults, ProgramFolderThatCannotBeWrittenEndsTheProgram)
{
    // A plain file where the program folder should be: even root cannot
    // create files under it.
    ASSERT_TRUE(folder.remove());
    writeWholeFile(folder.path(), "not a folder");
    const Ending ending = start();
    expectEnding(ending,
                 fileErrors({QStringLiteral("File not found: ") + programFile(QStringLiteral("Kassa.dbf")),
                             QStringLiteral("File not found: ") + programFile(QStringLiteral("Net.txt"))}),
                 "program folder is a file");
    QFile::remove(folder.path());
}

namespace {

class LocalTableFaultsWhileRunning : public OrderFixture {};

} // namespace

TEST_F(LocalTableFaultsWhileRunning, TilePressShowsTheErrorAndTheProgramGoesOn)
{
    addDish(101, QStringLiteral("Борщ"), 150.5);
    addTileRow(QStringLiteral("Panel30"), 30, 101);
    const QString kassa = programFile(QStringLiteral("Kassa.dbf"));
    struct Case {
        const char* what;
        std::function<void()> damage;
        QString error; // its start; none when the press goes through
    };
    // In place, so the open order table keeps writing to the damaged file.
    auto overwrite = [&](const QByteArray& bytes) {
        QFile file(kassa);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    };
    const Case cases[] = {
        // The order table writes its whole header back with the row.
        {"emptied", [&] { overwrite({}); }, QString()},
        {"random bytes", [&] { overwrite(randomBytes(4096)); },
         QStringLiteral("The column CENA of the table ") + kassa + QStringLiteral(" holds no number: ")},
        {"removed", [&] { QFile::remove(kassa); }, QStringLiteral("File not found: ") + kassa},
        {"a folder", [&] {
             QFile::remove(kassa);
             QDir().mkdir(kassa);
         },
         QStringLiteral("I/O error 21: ") + kassa},
    };
    for (const Case& c : cases) {
        QDir(kassa).removeRecursively();
        forms.reset();
        ui.clear();
        resetProgramEnd();
        start();
        ASSERT_TRUE(ui.messages().isEmpty()) << ui.messages().join(u'\n').toStdString();
        ui.clear();
        c.damage();
        QTest::mousePress(tileOf(30).memo, Qt::LeftButton);
        QTest::mouseRelease(tileOf(30).memo, Qt::LeftButton);
        const QStringList errors = ui.errors();
        if (c.error.isEmpty()) {
            EXPECT_TRUE(errors.isEmpty()) << c.what << ": " << errors.join(u'\n').toStdString();
            EXPECT_EQ(tileOf(30).button->text(), QStringLiteral("1")) << c.what;
        } else {
            ASSERT_EQ(errors.size(), 1) << c.what;
            EXPECT_TRUE(errors[0].startsWith(c.error)) << c.what << ": " << errors[0].toStdString();
        }
        EXPECT_FALSE(programEndRequested()) << c.what;
    }
}
