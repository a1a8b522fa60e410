// The bytes the terminal writes: the empty image, the header rules on open
// and append, the record layout and the column encodings.
#include "order/localtable/dbf_format.h"
#include "order/localtable/local_table.h"
#include "startup/terminal_error.h"
#include "table_folder.h"

#include <QLocale>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace {

QByteArray zeros(int count) { return QByteArray(count, '\0'); }

QByteArray descriptor(const char* nameHex, int nameLength, const char* rest)
{
    return QByteArray::fromHex(nameHex) + zeros(11 - nameLength) + QByteArray::fromHex(rest) + zeros(14);
}

// Restores the default locale, which some tests switch to Russian.
class RussianLocale {
public:
    RussianLocale() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    ~RussianLocale() { QLocale::setDefault(QLocale::c()); }
};

} // namespace

TEST(DbfLayout, EmptyTableImageIsTheDocumentedBytes)
{
    const QByteArray expected = QByteArray::fromHex("036c071200000000c100d800") + zeros(16) + QByteArray::fromHex("00260000")
        + descriptor("4b4f44", 3, "4e000000001400")         // KOD N 20.0
        + descriptor("4e414d45", 4, "43000000009600")       // NAME C 150
        + descriptor("43454e41", 4, "46000000001404")       // CENA F 20.4
        + descriptor("4b4f4c564f", 5, "46000000001404")     // KOLVO F 20.4
        + descriptor("50455243454e54", 7, "4e000000000500") // PERCENT N 5.0
        + QByteArray::fromHex("0d1a");
    ASSERT_EQ(expected.size(), 194);
    EXPECT_EQ(emptyTableBytes().toHex(), expected.toHex());
}

TEST(DbfLayout, OpeningForWritingStampsTodayAndKeepsTheRest)
{
    TableFolder folder;
    // A set memo bit is dropped; the low seven bits stay.
    QByteArray image = emptyTableBytes();
    image[0] = char(0x83);
    const QString path = folder.write(image);

    LocalTable table;
    openTable(table, path);
    EXPECT_EQ(table.LiveRowCount(), 0);
    EXPECT_EQ(table.currentRow(), -1);
    EXPECT_TRUE(table.atStart());
    EXPECT_TRUE(table.atEnd());
    EXPECT_THROW(table.current(), TerminalError);

    QByteArray expected = emptyTableBytes();
    expected.replace(1, 3, todayBytes());
    EXPECT_EQ(folder.read().toHex(), expected.toHex());
}

TEST(DbfLayout, AppendWritesTheRecordAndDeleteOnlyFlagsIt)
{
    TableFolder folder;
    const QString path = folder.writeEmpty();
    LocalTable table;
    openTable(table, path);
    appendOrderRow(table, 12345, QStringLiteral("Чай"), 150.5, 1);

    QByteArray file = folder.read();
    ASSERT_EQ(file.size(), 410);
    EXPECT_EQ(file.at(409), '\x1A');
    EXPECT_EQ(storedRecordCount(file), 1u);
    EXPECT_EQ(file.mid(1, 3), todayBytes());
    const QByteArray record = QByteArray(" ")
        + QByteArray(15, ' ') + "12345"                                    // KOD
        + QByteArray::fromHex("97a0a9") + QByteArray(147, ' ')             // NAME, code page 866
        + QByteArray(12, ' ') + "150.5000"                                 // CENA
        + QByteArray(14, ' ') + "1.0000"                                   // KOLVO
        + QByteArray(5, ' ');                                              // PERCENT, never assigned
    EXPECT_EQ(file.mid(193, 216), record);
    EXPECT_EQ(table.asText(QStringLiteral("NAME")), QStringLiteral("Чай"));

    table.deleteRow();
    file = folder.read();
    EXPECT_EQ(file.size(), 410);
    EXPECT_EQ(storedRecordCount(file), 1u);
    EXPECT_EQ(file.at(193), '*');
    EXPECT_EQ(file.mid(194, 215), record.mid(1));
    EXPECT_EQ(table.LiveRowCount(), 0);
    EXPECT_EQ(table.currentRow(), -1);
    EXPECT_TRUE(table.atStart());
    EXPECT_TRUE(table.atEnd());
}

TEST(DbfLayout, ColumnEncodingsAndReadBack)
{
    // Numbers keep the full stop whatever the system's separator is.
    RussianLocale russian;
    TableFolder folder;
    const QString path = folder.writeEmpty();
    LocalTable table;
    openTable(table, path);

    struct Case {
        const char* column;
        int offset; // in the record
        std::function<void(LocalTable&)> assign;
        QByteArray stored;
        double readBack;
    };
    const auto setDouble = [](const char* column, double value) {
        return [=](LocalTable& t) { t.setDouble(QLatin1String(column), value); };
    };
    const auto setInteger = [](const char* column, qint64 value) {
        return [=](LocalTable& t) { t.setInteger(QLatin1String(column), value); };
    };
    const Case cases[] = {
        {"CENA", 171, setDouble("CENA", 150.5), QByteArray(12, ' ') + "150.5000", 150.5},
        {"KOLVO", 191, setDouble("KOLVO", 1), QByteArray(14, ' ') + "1.0000", 1},
        {"KOD", 1, setInteger("KOD", 12345), QByteArray(15, ' ') + "12345", 12345},
        {"KOLVO", 191, setDouble("KOLVO", 0.33333), QByteArray(14, ' ') + "0.3333", 0.3333},
        {"KOLVO", 191, setDouble("KOLVO", 1.23456), QByteArray(14, ' ') + "1.2346", 1.2346},
        {"CENA", 171, setDouble("CENA", -2.5), QByteArray(13, ' ') + "-2.5000", -2.5},
        {"CENA", 171, setInteger("CENA", 7), QByteArray(14, ' ') + "7.0000", 7},
        {"KOD", 1, setInteger("KOD", -42), QByteArray(17, ' ') + "-42", -42},
        {"KOD", 1, setInteger("KOD", std::numeric_limits<qint64>::min()), "-9223372036854775808", -9223372036854775808.0},
        {"KOD", 1, setDouble("KOD", 77.0), QByteArray(18, ' ') + "77", 77},
        {"PERCENT", 211, setInteger("PERCENT", 99999), "99999", 99999},
        // Longer than the column: the first 20 characters, losing decimals only.
        {"CENA", 171, setDouble("CENA", 1234567890123456.0), "1234567890123456.000", 1234567890123456.0},
        {"CENA", 171, setDouble("CENA", 1e19), "10000000000000000000", 1e19},
    };
    for (const Case& c : cases) {
        table.append();
        c.assign(table);
        table.post();
        const QByteArray record = folder.read().mid(193 + 216 * table.currentRow(), 216);
        EXPECT_EQ(record.mid(c.offset, c.stored.size()), c.stored) << c.column << " " << c.stored.constData();
        EXPECT_EQ(table.asDouble(QLatin1String(c.column)), c.readBack) << c.stored.constData();
    }
}

TEST(DbfLayout, NameIsStoredInCodePage866)
{
    TableFolder folder;
    const QString path = folder.writeEmpty();
    LocalTable table;
    openTable(table, path);
    const QString longName = QString(149, u'ж') + QStringLiteral("яZZ");
    struct Case {
        QString name;
        QByteArray stored; // without the filling spaces
        QString readBack;
    };
    const Case cases[] = {
        {QStringLiteral("Чай"), QByteArray::fromHex("97a0a9"), QStringLiteral("Чай")},
        {QStringLiteral("Ёлка №1"), QByteArray::fromHex("f0abaaa020fc31"), QStringLiteral("Ёлка №1")},
        {QStringLiteral("Tea €"), "Tea ?", QStringLiteral("Tea ?")},
        {longName, QByteArray(149, char(0xA6)) + char(0xEF), longName.left(150)},
        {QString(), QByteArray(), QString()},
    };
    for (const Case& c : cases) {
        table.append();
        table.setText(QStringLiteral("NAME"), c.name);
        table.post();
        const QByteArray stored = folder.read().mid(193 + 216 * table.currentRow() + 21, 150);
        EXPECT_EQ(stored, c.stored + QByteArray(150 - c.stored.size(), ' ')) << c.name.toStdString();
        EXPECT_EQ(table.asText(QStringLiteral("NAME")), c.readBack);
    }
}

TEST(DbfLayout, BlankColumnsReadAsZeroAndEmpty)
{
    TableFolder folder;
    LocalTable table;
    openTable(table, folder.writeEmpty());
    table.append();
    table.post();
    EXPECT_EQ(folder.read().mid(193, 216), QByteArray(216, ' '));
    EXPECT_EQ(table.asInteger(QStringLiteral("KOD")), 0);
    EXPECT_EQ(table.asDouble(QStringLiteral("kolvo")), 0.0);
    EXPECT_EQ(table.asText(QStringLiteral("NAME")), QString());
    EXPECT_FALSE(table.current().value(QStringLiteral("CENA")).isValid());
    EXPECT_THROW(table.asText(QStringLiteral("NOSUCH")), TerminalError);
}

TEST(DbfLayout, ValuesThatDoNotFitAreRefusedAndTheRowKept)
{
    TableFolder folder;
    LocalTable table;
    openTable(table, folder.writeEmpty());
    appendOrderRow(table, 1, QStringLiteral("Суп"), 10, 2);
    const QByteArray before = folder.read();

    table.edit();
    // The first 20 characters of these would be a different number.
    EXPECT_THROW(table.setDouble(QStringLiteral("KOLVO"), 1e20), TerminalError);
    EXPECT_THROW(table.setDouble(QStringLiteral("KOLVO"), -1e19), TerminalError);
    EXPECT_THROW(table.setDouble(QStringLiteral("CENA"), std::nan("")), TerminalError);
    EXPECT_THROW(table.setDouble(QStringLiteral("CENA"), HUGE_VAL), TerminalError);
    EXPECT_THROW(table.setInteger(QStringLiteral("PERCENT"), 100000), TerminalError);
    EXPECT_THROW(table.setText(QStringLiteral("KOD"), QStringLiteral("1")), TerminalError);
    EXPECT_THROW(table.setDouble(QStringLiteral("NAME"), 1), TerminalError);
    table.post();
    EXPECT_EQ(folder.read(), before);
    EXPECT_EQ(table.asDouble(QStringLiteral("KOLVO")), 2.0);
}

TEST(DbfLayout, ReadOnlyViewWritesNothing)
{
    TableFolder folder;
    // An old date and a stored count that disagrees with the file.
    QByteArray image = emptyTableBytes();
    image.chop(1);
    image += QByteArray(" ") + QByteArray(19, ' ') + "7" + QByteArray(195, ' ') + '\x1A';
    image[4] = 7;
    const QString path = folder.write(image);

    LocalTable view;
    openTable(view, path, true);
    EXPECT_EQ(view.LiveRowCount(), 1);
    EXPECT_EQ(view.asInteger(QStringLiteral("KOD")), 7);
    view.next();
    view.first();
    EXPECT_THROW(view.append(), TerminalError);
    EXPECT_THROW(view.edit(), TerminalError);
    EXPECT_THROW(view.deleteRow(), TerminalError);
    view.close();
    EXPECT_EQ(folder.read(), image);
}
