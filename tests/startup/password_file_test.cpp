// The keystream and psw.txt: files formed by an independent implementation
// of the same algorithm read back, and the terminal's own files round-trip.
#include "startup/codepages.h"
#include "startup/file_io.h"
#include "startup/keystream.h"
#include "startup/password_file.h"
#include "startup/terminal_error.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

struct FormedElsewhere {
    const char* hex;
    QByteArray password;
};

} // namespace

TEST(PasswordFile, ReadsFilesFormedByAnotherImplementation)
{
    // Formed by a separate script of the algorithm; the first header is not
    // a time stamp at all, which the reader must not mind.
    const FormedElsewhere files[] = {
        {"b842b091ef31677f1c2850aae88ef00b49b90dc62aa5275d", "diradivev"},
        {"cb30c1e39b451107645028d694f28cb34506a5a7e1a968a0", "masterkey"},
        {"6608a2cf31c1e49a461204655329d55feedc4b160c", encodeText(CodePage::Cp1251, QStringLiteral("Пароль"))},
    };
    for (const auto& file : files) {
        Keystream keystream;
        EXPECT_EQ(readPasswordBytes(keystream, QByteArray::fromHex(file.hex)), file.password) << file.hex;
    }
}

TEST(PasswordFile, FormedFileHasHeaderPlusPasswordAndReadsBack)
{
    Keystream keystream;
    const QByteArray password = "s3cret\0pw\xff";
    const QByteArray first = formPasswordFile(keystream, password);
    ASSERT_EQ(first.size(), 15 + password.size());
    EXPECT_EQ(readPasswordBytes(keystream, first), password);

    QThread::msleep(3); // a later time stamp, so another header
    const QByteArray second = formPasswordFile(keystream, password);
    EXPECT_NE(first, second);
    EXPECT_EQ(readPasswordBytes(keystream, second), password);
}

TEST(PasswordFile, FifteenBytesOrFewerHoldAnEmptyPassword)
{
    Keystream keystream;
    for (int length = 0; length <= 15; ++length)
        EXPECT_TRUE(readPasswordBytes(keystream, QByteArray(length, 'x')).isEmpty()) << length;
}

TEST(PasswordFile, WrittenFileReadsBackAndMissingFileIsAFileError)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("psw.txt"));
    Keystream keystream;
    writePasswordFile(keystream, path, "diradivev");
    EXPECT_EQ(readWholeFile(path).size(), 24);
    EXPECT_EQ(readPasswordFile(keystream, path), "diradivev");

    try {
        readPasswordFile(keystream, folder.filePath(QStringLiteral("missing.txt")));
        FAIL() << "no error for a missing file";
    } catch (const FileError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("File not found"))) << e.message().toStdString();
    }
}

TEST(Keystream, StartReturnsTheKeyUsedAndValuesStayBelow255)
{
    Keystream keystream;
    EXPECT_EQ(keystream.StartKeystream("KKKLLLMMMNNNPPPextra"), "KKKLLLMMMNNNPPPextra");
    for (int i = 0; i < 10000; ++i) {
        const int value = keystream.NextKeystreamByte();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 254);
    }

    // A short key seeds from the time: "yyyymmhhnnsszzz".
    const QByteArray used = keystream.StartKeystream("short");
    ASSERT_EQ(used.size(), 15);
    for (char c : used)
        EXPECT_TRUE(c >= '0' && c <= '9') << used.constData();
}

TEST(Keystream, OnlyTheFirstFifteenKeyCharactersCount)
{
    Keystream a;
    Keystream b;
    a.StartKeystream("KKKLLLMMMNNNPPP");
    b.StartKeystream("KKKLLLMMMNNNPPPanything");
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(a.NextKeystreamByte(), b.NextKeystreamByte());
}

TEST(PasswordTool, WritesAFileTheTerminalReadsAndReadsItBack)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("psw.txt"));
    QProcess write;
    write.start(QStringLiteral(PSW_TOOL_BINARY), {QStringLiteral("write"), path, QStringLiteral("Пароль1")});
    ASSERT_TRUE(write.waitForFinished(10000));
    ASSERT_EQ(write.exitCode(), 0) << write.readAllStandardError().constData();

    Keystream keystream;
    EXPECT_EQ(readPasswordFile(keystream, path), encodeText(CodePage::Cp1251, QStringLiteral("Пароль1")));
    EXPECT_EQ(readWholeFile(path).size(), 15 + 7);

    QProcess read;
    read.start(QStringLiteral(PSW_TOOL_BINARY), {QStringLiteral("read"), path});
    ASSERT_TRUE(read.waitForFinished(10000));
    EXPECT_EQ(read.exitCode(), 0);
    EXPECT_EQ(QString::fromLocal8Bit(read.readAllStandardOutput()).trimmed(), QStringLiteral("Пароль1"));
}
