// Files that are no table of ours: each gives a clear error, never a crash
// or a read outside the file, and a refused file is left as it was.
#include "order/localtable/local_table.h"
#include "startup/terminal_error.h"
#include "table_folder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <random>

namespace {

QByteArray image() { return emptyTableBytes(); }

QByteArray withByte(QByteArray bytes, int at, char value)
{
    bytes[at] = value;
    return bytes;
}

QString openError(const QString& path, bool readOnly)
{
    LocalTable table;
    try {
        openTable(table, path, readOnly);
    } catch (const TerminalError& e) {
        EXPECT_FALSE(table.isOpen());
        return e.message();
    }
    return QString();
}

// Reads every column of every row as text and as a number; numbers that are
// no numbers may only raise TerminalError.
void readEverything(LocalTable& table)
{
    for (int row = 0; row < table.LiveRowCount(); ++row) {
        for (const char* column : {"KOD", "NAME", "CENA", "KOLVO", "PERCENT"}) {
            try {
                const LocalRow values = table.row(row);
                values.asText(QLatin1String(column));
                values.value(QLatin1String(column));
                values.asDouble(QLatin1String(column));
                values.asInteger(QLatin1String(column));
            } catch (const TerminalError&) {
            }
        }
    }
}

} // namespace

TEST(DbfBadInput, DamagedHeadersAreRefusedWithAClearMessage)
{
    const QByteArray nameLength255 = withByte(image(), 64 + 16, char(255));
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* message; // the whole message, or a part of it after "damaged: "
    };
    const Case cases[] = {
        {"text file", QByteArray("Local\r\nlocalhost:c:\\db\\devazire.fdb\r\n"), "Invalid DBF file."},
        {"empty file", QByteArray(), "Invalid DBF file."},
        {"truncated prefix", image().left(20), "Invalid DBF file."},
        {"foreign version byte", withByte(image(), 0, 0x30), "Invalid DBF file."},
        {"truncated header", image().left(150), "the header length 193 does not fit the file"},
        {"header length 0", withByte(withByte(image(), 8, 0), 9, 0), "the header length 0 does not fit the file"},
        {"header length beyond the file", withByte(image(), 9, 0x10), "the header length 4289 does not fit the file"},
        {"record length 0", withByte(withByte(image(), 10, 0), 11, 0), "the record length 0 is too small"},
        {"no end byte", withByte(image(), 192, ' '), "the column descriptors have no end mark"},
        {"header cut before the end byte", withByte(image(), 8, char(192)), "the column descriptors have no end mark"},
        {"no columns", withByte(image(), 32, 0x0D), "it has no columns"},
        {"columns longer than the record", nameLength255, "the columns do not fit the record length 216"},
        {"record length too short", withByte(image(), 10, 100), "the columns do not fit the record length 100"},
        {"date column", withByte(image(), 32 + 11, 'D'), "column KOD has the unsupported type 44"},
        {"column of length 0", withByte(image(), 32 + 16, 0), "column KOD has no length"},
    };
    TableFolder folder;
    for (const Case& c : cases) {
        const QString path = folder.write(c.bytes);
        for (const bool readOnly : {true, false}) {
            const QString message = openError(path, readOnly);
            if (QByteArray(c.message) == "Invalid DBF file.")
                EXPECT_EQ(message, QStringLiteral("Invalid DBF file.")) << c.what;
            else
                EXPECT_EQ(message, QStringLiteral("The table %1 is damaged: %2.").arg(path, QLatin1String(c.message)))
                    << c.what;
            EXPECT_EQ(folder.read(), c.bytes) << c.what;
        }
    }
}

TEST(DbfBadInput, FilesThatCannotBeOpenedGiveTheFileError)
{
    TableFolder folder;
    const QString dir = QFileInfo(folder.path()).absolutePath();
    ASSERT_TRUE(QDir(dir).mkdir(QStringLiteral("folder.dbf")));
    struct Case {
        QString path;
        QString message;
    };
    const Case cases[] = {
        {folder.path(QStringLiteral("missing.dbf")), QStringLiteral("File not found: ")},
        {folder.path(QStringLiteral("missing/Kassa.dbf")), QStringLiteral("File not found: ")},
        {folder.path(QStringLiteral("folder.dbf")), QStringLiteral("I/O error 21: ")},
        {QString(), QStringLiteral("File not found: ")},
    };
    for (const Case& c : cases) {
        for (const bool readOnly : {true, false}) {
            LocalTable table;
            try {
                openTable(table, c.path, readOnly);
                ADD_FAILURE() << "opened " << c.path.toStdString();
            } catch (const FileError& e) {
                EXPECT_EQ(e.message(), c.message + c.path);
            }
        }
    }
}

TEST(DbfBadInput, NumbersThatAreNoNumbersGiveAClearError)
{
    TableFolder folder;
    QByteArray bytes = image();
    bytes.chop(1);
    bytes += QByteArray(" ") + QByteArray(17, ' ') + "1x5" + QByteArray(150, ' ') + QByteArray(15, ' ') + "abcde"
        + QByteArray(45, ' ') + '\x1A';
    LocalTable table;
    openTable(table, folder.write(bytes), true);
    EXPECT_THROW(table.asInteger(QStringLiteral("KOD")), TerminalError);
    try {
        table.asDouble(QStringLiteral("CENA"));
        ADD_FAILURE() << "read a number";
    } catch (const TerminalError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("The column CENA of the table %1 holds no number: \"abcde\".").arg(table.path()));
    }
    EXPECT_EQ(table.asText(QStringLiteral("CENA")), QStringLiteral("abcde"));
}

TEST(DbfBadInput, RandomAndMutatedBytesNeverCrash)
{
    TableFolder folder;
    LocalTable writer;
    openTable(writer, folder.writeEmpty());
    appendOrderRow(writer, 12345, QStringLiteral("Чай"), 150.5, 1);
    appendOrderRow(writer, 7, QStringLiteral("Суп"), 2, 0.5);
    writer.close();
    const QByteArray table = folder.read();

    std::mt19937 random(20240718);
    int opened = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes;
        if (round % 3 == 0) {
            bytes.resize(random() % 700);
            for (char& b : bytes)
                b = static_cast<char>(random());
        } else {
            bytes = table.left(random() % (table.size() + 1));
            const int mutations = 1 + random() % 8;
            for (int m = 0; m < mutations && !bytes.isEmpty(); ++m)
                bytes[random() % bytes.size()] = static_cast<char>(random());
        }
        const QString path = folder.write(bytes, QStringLiteral("random.dbf"));
        for (const bool readOnly : {true, false}) {
            LocalTable view;
            try {
                openTable(view, path, readOnly);
            } catch (const TerminalError&) {
                continue;
            }
            ++opened;
            readEverything(view);
            for (view.first(); !view.atEnd(); view.next()) {
            }
        }
    }
    EXPECT_GT(opened, 100);
}
