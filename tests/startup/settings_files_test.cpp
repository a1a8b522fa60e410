// Net.txt and Name.txt: their exact bytes and both reading rules.
#include "startup/file_io.h"
#include "startup/settings_files.h"
#include "startup/terminal_error.h"
#include "startup/text_file.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

class SettingsFiles : public ::testing::Test {
protected:
    QString path(const char* name) const { return folder.filePath(QLatin1String(name)); }
    void write(const char* name, const QByteArray& bytes) { writeWholeFile(path(name), bytes); }
    QTemporaryDir folder;
};

} // namespace

TEST_F(SettingsFiles, DefaultNetTxtPointsAtTheProgramFolderAndIsWrittenOnce)
{
    const QString dir = folder.path() + u'/';
    writeDefaultNetTxt(dir);
    EXPECT_EQ(readWholeFile(path("Net.txt")), "Local\r\nlocalhost:" + dir.toLocal8Bit() + "devazire.fdb\r\n");
    EXPECT_EQ(readConnectionString(path("Net.txt")), QStringLiteral("localhost:") + dir + QStringLiteral("devazire.fdb"));

    write("Net.txt", "Net-IP\r\n10.0.0.1:c:\\db\\devazire.fdb\r\n");
    writeDefaultNetTxt(dir);
    EXPECT_EQ(readWholeFile(path("Net.txt")), "Net-IP\r\n10.0.0.1:c:\\db\\devazire.fdb\r\n");
}

TEST_F(SettingsFiles, DialogReadingRules)
{
    using Mode = NetSettings::Mode;
    struct Case {
        QByteArray file;
        Mode mode;
        QString path;
        std::array<QString, 4> address;
    };
    const Case cases[] = {
        {"Local\r\nlocalhost:c:\\Program Files\\Dolvent\\devazire.fdb\r\n", Mode::Local, "c:\\Program Files\\Dolvent\\devazire.fdb", {}},
        {"local\r\nlocalhost:/srv/db.fdb\r\n", Mode::Local, "/srv/db.fdb", {}},
        {"LOCAL\r\nlocalhost:/srv/db.fdb", Mode::Local, "/srv/db.fdb", {}},
        {"Local\r\nno colon here\r\n", Mode::Local, "", {}},
        {"Local\r\n", Mode::Local, "", {}},
        {"Net-IP\r\n192.168.001.17:c:\\base\\devazire.fdb\r\n", Mode::Network, "c:\\base\\devazire.fdb", {"192", "168", "001", "17"}},
        {"net-ip\n10.0.0.999:d:\\x\\DEVAZIRE.FDB\n", Mode::Network, "d:\\x\\DEVAZIRE.FDB", {"10", "0", "0", "999"}},
        {"Net-IP\r10.1\r", Mode::Network, "", {"10", "1", "", ""}},
        {"Something\r\nlocalhost:/x.fdb\r\n", Mode::Unknown, "", {}},
        {"", Mode::Unknown, "", {}},
        // Lone CR and lone LF end lines as CR LF does.
        {"Local\rlocalhost:/a.fdb\r", Mode::Local, "/a.fdb", {}},
        {"Local\nlocalhost:/a.fdb", Mode::Local, "/a.fdb", {}},
    };
    for (const Case& c : cases) {
        write("Net.txt", c.file);
        const NetSettings settings = readNetSettings(path("Net.txt"));
        EXPECT_EQ(settings.mode, c.mode) << c.file.constData();
        EXPECT_EQ(settings.databasePath, c.path) << c.file.constData();
        EXPECT_EQ(settings.address, c.address) << c.file.constData();
    }
}

TEST_F(SettingsFiles, ConnectionUsesLineTwoVerbatim)
{
    write("Net.txt", "whatever\r\n  10.0.0.1:c:\\db\\devazire.fdb  \r\n");
    EXPECT_EQ(readConnectionString(path("Net.txt")), QStringLiteral("  10.0.0.1:c:\\db\\devazire.fdb  "));
    write("Net.txt", "Local");
    EXPECT_EQ(readConnectionString(path("Net.txt")), QString());
}

TEST_F(SettingsFiles, WrittenNetTxtHasExactBytes)
{
    writeLocalNetTxt(path("Net.txt"), QStringLiteral("/srv/база/devazire.fdb"));
    EXPECT_EQ(readWholeFile(path("Net.txt")), "Local\r\nlocalhost:/srv/\xe1\xe0\xe7\xe0/devazire.fdb\r\n");
    writeNetworkNetTxt(path("Net.txt"), {"10", "0", "00", "7"}, QStringLiteral("c:\\d\\devazire.fdb"));
    EXPECT_EQ(readWholeFile(path("Net.txt")), "Net-IP\r\n10.0.00.7:c:\\d\\devazire.fdb\r\n");
}

TEST_F(SettingsFiles, NameTxtKeepsTheLoginExactlyInCodePage1251)
{
    writeLastLogin(path("Name.txt"), QStringLiteral(" Иван "));
    EXPECT_EQ(readWholeFile(path("Name.txt")), "\x20\xc8\xe2\xe0\xed\x20\r\n");
    EXPECT_EQ(readLastLogin(path("Name.txt")), QStringLiteral(" Иван "));

    write("Name.txt", "");
    EXPECT_EQ(readLastLogin(path("Name.txt")), QString());
}

TEST_F(SettingsFiles, TextOutsideCodePage1251IsRefusedAndTheFileKept)
{
    writeLastLogin(path("Name.txt"), QStringLiteral("anna"));
    EXPECT_THROW(writeLastLogin(path("Name.txt"), QStringLiteral("anna\U0001F600")), TerminalError);
    EXPECT_EQ(readWholeFile(path("Name.txt")), "anna\r\n");
}

TEST_F(SettingsFiles, FileLayerErrorsCarryTheStandardText)
{
    struct Case {
        std::function<void()> action;
        const char* text;
    };
    const QString missing = path("missing/Net.txt");
    const Case cases[] = {
        {[&] { readTextLines(path("Net.txt")); }, "File not found"},
        {[&] { writeLastLogin(missing, "x"); }, "File not found"},
        // The proc file system refuses new files even to root.
        {[&] { writeLastLogin(QStringLiteral("/proc/Name.txt"), "x"); }, ""},
    };
    for (const Case& c : cases) {
        try {
            c.action();
            ADD_FAILURE() << "no error, expected " << c.text;
        } catch (const FileError& e) {
            EXPECT_TRUE(e.message().startsWith(QLatin1String(c.text))) << e.message().toStdString();
        }
    }
}
