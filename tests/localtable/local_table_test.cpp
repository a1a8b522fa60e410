// The cursor rules of a table view, two views on one file, and the
// preparation of the local files at every start.
#include "order/localtable/local_table.h"
#include "order/localtable/prepare_local_tables.h"
#include "startup/terminal_error.h"
#include "table_folder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct Position {
    qint64 kod; // 0 for no current row
    bool atStart;
    bool atEnd;
};

Position position(const LocalTable& table)
{
    return {table.currentRow() < 0 ? 0 : table.asInteger(QStringLiteral("KOD")), table.atStart(), table.atEnd()};
}

void expectAt(const LocalTable& table, Position expected, const char* step)
{
    const Position actual = position(table);
    EXPECT_EQ(actual.kod, expected.kod) << step;
    EXPECT_EQ(actual.atStart, expected.atStart) << step;
    EXPECT_EQ(actual.atEnd, expected.atEnd) << step;
}

// A table with rows KOD 1 to count, opened for writing.
class ThreeRows : public ::testing::Test {
protected:
    void SetUp() override
    {
        openTable(table, folder.writeEmpty());
        for (int kod = 1; kod <= 3; ++kod)
            appendOrderRow(table, kod, QStringLiteral("Блюдо %1").arg(kod), 10 * kod, 1);
        table.first();
    }
    TableFolder folder;
    LocalTable table;
};

using LocalTableCursor = ThreeRows;

} // namespace

TEST_F(LocalTableCursor, EndMarkersKeepTheBoundaryRow)
{
    expectAt(table, {1, true, false}, "first");
    table.next();
    expectAt(table, {2, false, false}, "next");
    table.next();
    expectAt(table, {3, false, false}, "next to the last");
    table.next();
    expectAt(table, {3, false, true}, "next past the last");
    table.prior();
    expectAt(table, {2, false, false}, "prior");
    table.prior();
    table.prior();
    expectAt(table, {1, true, false}, "prior past the first");

    // The search the order screen runs: forward until the code or the end.
    const auto find = [&](qint64 kod) {
        table.first();
        while (!table.atEnd() && table.asInteger(QStringLiteral("KOD")) != kod)
            table.next();
        return table.asInteger(QStringLiteral("KOD")) == kod;
    };
    EXPECT_TRUE(find(2));
    EXPECT_EQ(table.currentRow(), 1);
    EXPECT_FALSE(find(9));
    expectAt(table, {3, false, true}, "search without a match");
}

TEST_F(LocalTableCursor, DeleteMovesToTheNextOrThePreviousRow)
{
    table.next();
    table.deleteRow(); // the middle row: the next one becomes current
    expectAt(table, {3, false, false}, "after deleting the middle row");
    EXPECT_EQ(table.LiveRowCount(), 2);
    table.deleteRow(); // the last row: the previous one becomes current
    expectAt(table, {1, false, false}, "after deleting the last row");
    table.deleteRow();
    expectAt(table, {0, true, true}, "after deleting the only row");
    EXPECT_EQ(table.LiveRowCount(), 0);
    EXPECT_THROW(table.deleteRow(), TerminalError);
    EXPECT_THROW(table.edit(), TerminalError);

    // Deleted records stay in the file and are skipped when it is read again.
    appendOrderRow(table, 4, QStringLiteral("Компот"), 5, 1);
    EXPECT_EQ(folder.read().size(), 193 + 4 * 216 + 1);
    table.close();
    table.open();
    EXPECT_EQ(table.LiveRowCount(), 1);
    expectAt(table, {4, true, false}, "reopened");
}

TEST_F(LocalTableCursor, EditPostCancelAndPendingChanges)
{
    table.next();
    table.edit();
    table.setDouble(QStringLiteral("KOLVO"), 2.5);
    EXPECT_EQ(table.asDouble(QStringLiteral("KOLVO")), 2.5); // the pending row is read
    table.post();
    EXPECT_EQ(table.currentRow(), 1);

    const QByteArray before = folder.read();
    table.edit();
    table.setText(QStringLiteral("NAME"), QStringLiteral("Другое"));
    table.cancel();
    EXPECT_EQ(folder.read(), before);
    EXPECT_EQ(table.asText(QStringLiteral("NAME")), QStringLiteral("Блюдо 2"));

    // Moving posts a pending change; an append deleted before posting is dropped.
    table.edit();
    table.setDouble(QStringLiteral("KOLVO"), 3);
    table.first();
    table.next();
    EXPECT_EQ(table.asDouble(QStringLiteral("KOLVO")), 3.0);
    table.append();
    table.deleteRow();
    EXPECT_EQ(table.LiveRowCount(), 3);
    EXPECT_EQ(folder.read().size(), 193 + 3 * 216 + 1);
    EXPECT_THROW(table.post(), TerminalError);
    EXPECT_THROW(table.setDouble(QStringLiteral("KOLVO"), 1), TerminalError);
}

TEST(LocalTableViews, ChangesAreInTheFileBeforeTheNextViewOpens)
{
    TableFolder folder;
    const QString path = folder.writeEmpty();
    LocalTable kassa;
    LocalTable count;
    openTable(kassa, path);
    count.setPath(path);
    count.setReadOnly(true);
    count.setCalculatedColumn(QStringLiteral("SUMMA"), TCountCalcFields);

    // The order total as the order screen computes it: a fresh read-only
    // view read from the first row to the end marker.
    const auto sumRows = [&] {
        count.open();
        double sum = 0;
        for (count.first(); !count.atEnd(); count.next())
            sum += count.asDouble(QStringLiteral("SUMMA"));
        count.close();
        return sum;
    };

    appendOrderRow(kassa, 1, QStringLiteral("Чай"), 150.5, 1);
    EXPECT_DOUBLE_EQ(sumRows(), 150.5);
    appendOrderRow(kassa, 2, QStringLiteral("Суп"), 99.99, 0.33333);
    EXPECT_DOUBLE_EQ(sumRows(), 150.5 + 99.99 * 0.3333);
    kassa.first();
    kassa.edit();
    kassa.setDouble(QStringLiteral("KOLVO"), 2);
    kassa.post();
    EXPECT_DOUBLE_EQ(sumRows(), 301 + 99.99 * 0.3333);
    kassa.deleteRow();
    EXPECT_DOUBLE_EQ(sumRows(), 99.99 * 0.3333);

    count.open();
    EXPECT_EQ(count.LiveRowCount(), 1);
    EXPECT_EQ(count.asText(QStringLiteral("NAME")), QStringLiteral("Суп"));
    EXPECT_EQ(count.asDouble(QStringLiteral("KOLVO")), 0.3333);
    count.close();
    // The editing view is unaffected by the reader and keeps working.
    appendOrderRow(kassa, 3, QStringLiteral("Хлеб"), 3, 1);
    EXPECT_EQ(kassa.LiveRowCount(), 2);
}

TEST(LocalTableViews, StoredRecordCountFollowsTheFileSize)
{
    TableFolder folder;
    // The header claims 1000 records; the file holds one and half of another.
    QByteArray image = emptyTableBytes();
    image.chop(1);
    image += QByteArray(" ") + QByteArray(19, ' ') + "5" + QByteArray(195, ' ') + QByteArray(100, ' ');
    image[4] = char(0xE8);
    image[5] = 0x03;
    const QString path = folder.write(image);

    LocalTable reader;
    openTable(reader, path, true);
    EXPECT_EQ(reader.LiveRowCount(), 1);
    reader.close();
    EXPECT_EQ(folder.read(), image);

    LocalTable writer;
    openTable(writer, path);
    EXPECT_EQ(storedRecordCount(folder.read()), 1u);
    EXPECT_EQ(folder.read().at(409), '\x1A');
    appendOrderRow(writer, 6, QStringLiteral("Пирог"), 1, 1);
    writer.close();
    openTable(reader, path, true);
    EXPECT_EQ(reader.LiveRowCount(), 2);
    reader.next();
    EXPECT_EQ(reader.asInteger(QStringLiteral("KOD")), 6);
}

TEST(LocalTablePrepare, RestartEmptiesBothFilesAndOpensTheEditingViews)
{
    TableFolder folder;
    const QString dir = QFileInfo(folder.path()).absolutePath() + u'/';
    {
        LocalTable kassa, count, menu;
        PrepareLocalTables(dir, kassa, count, menu);
        appendOrderRow(kassa, 1, QStringLiteral("Чай"), 2, 3);
        appendOrderRow(menu, 2, QStringLiteral("Суп"), 4, 1);
    }
    folder.write("not a table", QStringLiteral("Menu.dbf"));

    LocalTable TKassa, TCount, TMenu;
    PrepareLocalTables(dir, TKassa, TCount, TMenu);
    EXPECT_EQ(folder.read(QStringLiteral("Kassa.dbf")).size(), 194);
    EXPECT_EQ(folder.read(QStringLiteral("Menu.dbf")).size(), 194);
    EXPECT_TRUE(TKassa.isOpen());
    EXPECT_FALSE(TKassa.isReadOnly());
    EXPECT_TRUE(TMenu.isOpen());
    EXPECT_FALSE(TCount.isOpen());
    EXPECT_TRUE(TCount.isReadOnly());
    EXPECT_EQ(TCount.path(), TKassa.path());
    EXPECT_EQ(TKassa.LiveRowCount(), 0);
    EXPECT_EQ(TMenu.LiveRowCount(), 0);

    appendOrderRow(TKassa, 1, QStringLiteral("Чай"), 2.5, 3);
    EXPECT_EQ(TKassa.asDouble(QStringLiteral("SUMMA")), 7.5);
    TCount.open();
    EXPECT_EQ(TCount.asDouble(QStringLiteral("SUMMA")), 7.5);
    TMenu.append();
    TMenu.setText(QStringLiteral("NAME"), QStringLiteral("Суп"));
    TMenu.post();
    EXPECT_EQ(TMenu.asDouble(QStringLiteral("KOLVO")), 0.0); // Menu.dbf has the order columns too
}

TEST(LocalTablePrepare, WriteFailureStopsBeforeTheRemainingViews)
{
    TableFolder folder;
    const QString dir = QFileInfo(folder.path()).absolutePath() + u'/';
    LocalTable TKassa, TCount, TMenu;

    // Menu.dbf cannot be written: Kassa.dbf is ready, the menu view stays closed.
    ASSERT_TRUE(QDir(dir).mkdir(QStringLiteral("Menu.dbf")));
    try {
        PrepareLocalTables(dir, TKassa, TCount, TMenu);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("I/O error 21: ") + dir + QStringLiteral("Menu.dbf"));
    }
    EXPECT_TRUE(TKassa.isOpen());
    EXPECT_FALSE(TMenu.isOpen());

    // A missing program folder: nothing opens.
    LocalTable kassa, count, menu;
    try {
        PrepareLocalTables(dir + QStringLiteral("missing/"), kassa, count, menu);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("File not found: "))) << e.message().toStdString();
    }
    EXPECT_FALSE(kassa.isOpen());
    EXPECT_FALSE(menu.isOpen());
}
