// The demo café that demo-database builds, read back through the terminal's
// own statements, and the tool's layout switch and overwrite guard.
#include "db/tform_base.h"
#include "support/test_database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <utility>

namespace {

const QString folder = QStringLiteral("/tmp/order-terminal-tests");

struct ToolRun {
    int exitCode;
    QString output;
};

ToolRun runTool(const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(DEMO_DATABASE_BINARY), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, QString::fromLocal8Bit(process.readAll())};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAll())};
}

QStringList accountParams()
{
    return {"user_name=" + serverAccount().user, "password=" + serverAccount().password, "lc_ctype=WIN1251"};
}

class DemoDatabase : public ::testing::Test {
protected:
    DemoDatabase()
        : path(QStringLiteral("%1/%2-demo.fdb").arg(folder).arg(QCoreApplication::applicationPid()))
    {
        // The server's own user creates the file.
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                          | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                          | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
        QFile::remove(path);
    }

    ~DemoDatabase() override
    {
        Database database;
        try {
            connect(database);
            database.dropDatabase();
        } catch (const std::exception&) {
            // Nothing was created; the test has said why.
        }
    }

    void connect(Database& database) const
    {
        database.setDatabaseName("localhost:" + path);
        database.setParams(accountParams());
        database.connect();
    }

    int layoutRows() const
    {
        Database database;
        connect(database);
        Transaction read(database);
        Query q(read);
        q.setSql({"SELECT COUNT(*) AS N FROM MY_PARAM WHERE NAME_PARAM = 'ff2'"});
        q.open();
        return q.asInt32("N");
    }

    const QString path;
};

struct TileRows {
    QSet<int> tiles;
    QSet<int> pages;
    QSet<qint32> codes;
    int rows = 0;
    int coloured = 0;
    int pictures = 0;
};

// Runs one of the terminal's tile statements and checks each row against
// the open shift's menu.
TileRows readTiles(Query& tileQuery, int tilesPerPage, const QMap<qint32, double>& openMenu)
{
    TileRows result;
    for (tileQuery.open(); !tileQuery.eof(); tileQuery.next()) {
        const qint32 code = tileQuery.asInt32("KOD_BLUDO_CALC_PROGRAM");
        const int tile = tileQuery.asInt32("INTEGER_PARAM");
        ++result.rows;
        result.tiles.insert(tile);
        result.pages.insert((tile - 1) / tilesPerPage + 1);
        result.codes.insert(code);
        EXPECT_EQ(tileQuery.asDouble("CENA"), openMenu.value(code)) << "the open shift's price, tile " << tile;
        if (tileQuery.asDouble("FLOAT_PARAM") > 0)
            ++result.coloured;
        if (tileQuery.isNull("IMAGE_PARAM"))
            continue;
        ++result.pictures;
        const QByteArray bytes = tileQuery.asBytes("IMAGE_PARAM");
        EXPECT_TRUE(bytes.startsWith("BM")) << "tile " << tile;
        EXPECT_EQ(bytes.mid(28, 2), QByteArray("\x18\x00", 2)) << "24 bits per pixel, tile " << tile;
        const QImage image = QImage::fromData(bytes, "BMP");
        EXPECT_EQ(image.size(), QSize(55, 55)) << "tile " << tile;
    }
    tileQuery.close();
    return result;
}

} // namespace

TEST_F(DemoDatabase, HoldsACafeForBothLayouts)
{
    const ToolRun created = runTool({"create", path});
    ASSERT_EQ(created.exitCode, 0) << created.output.toStdString();

    TForm_Base base;
    base.MyDB.setDatabaseName("localhost:" + path);
    base.MyDB.setParams(accountParams());
    base.MyDB.connect();
    Query& q = base.QRead1;

    setStatement(q, {"SELECT MAX(NUMBER_VER) FROM MY_VERSION"});
    q.open();
    EXPECT_EQ(q.asInt32("MAX"), 59);

    // The terminal's menu cache statement.
    setStatement(q, {"SELECT MENU_STR.KOD_BLUDO_CALC_PROGRAM, MENU_STR.NAME, MENU_STR.CENA FROM MENU_STR",
                     "JOIN SPISOK_MENU ON SPISOK_MENU.KOD = MENU_STR.KOD_MENU",
                     "JOIN SMENA ON SMENA.KOD_MENU = SPISOK_MENU.KOD",
                     "WHERE SMENA.STATUS < 10 ORDER BY NAME"});
    QMap<qint32, double> openMenu;
    int withKopecks = 0;
    for (q.open(); !q.eof(); q.next()) {
        EXPECT_FALSE(q.asString("NAME").isEmpty());
        const double price = q.asDouble("CENA");
        EXPECT_GT(price, 0);
        withKopecks += price != std::floor(price);
        openMenu.insert(q.asInt32("KOD_BLUDO_CALC_PROGRAM"), price);
    }
    EXPECT_GE(q.recordCount(), 60);
    EXPECT_EQ(openMenu.size(), q.recordCount()) << "each dish once";
    EXPECT_GT(withKopecks, 0);

    const TileRows tiles24 = readTiles(base.QReadI, 24, openMenu);
    EXPECT_EQ(tiles24.tiles.size(), tiles24.rows) << "one dish per tile";
    EXPECT_EQ(tiles24.pages, QSet<int>({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_GE(tiles24.pictures, 5);
    EXPECT_LT(tiles24.pictures, tiles24.rows);
    EXPECT_GT(tiles24.coloured, 0);
    EXPECT_LT(tiles24.coloured, tiles24.rows);
    const int withoutTile = int(openMenu.size()) - int(tiles24.codes.size());
    EXPECT_GT(withoutTile, 0) << "dishes for the additional goods list";

    const TileRows tiles45 = readTiles(base.QReadI2, 45, openMenu);
    EXPECT_EQ(tiles45.tiles.size(), tiles45.rows);
    EXPECT_EQ(tiles45.pages, tiles24.pages);
    EXPECT_EQ(tiles45.codes, tiles24.codes) << "the same goods list on both layouts";
    EXPECT_EQ(tiles45.pictures, 0);

    // The terminal's section statement, for both layouts.
    QMap<QString, QString> sections;
    setStatement(q, {"SELECT NAME_PARAM, STRING_PARAM FROM MY_PARAM WHERE NAME_PARAM >= :S1 AND NAME_PARAM <= :S2"});
    for (const auto& [first, last] : {std::pair("2akladka1", "2akladka9"), std::pair("zakladka1", "zakladka9")}) {
        q.setString("S1", first);
        q.setString("S2", last);
        for (q.open(); !q.eof(); q.next()) {
            EXPECT_FALSE(q.asString("STRING_PARAM").isEmpty());
            sections.insert(q.asString("NAME_PARAM"), q.asString("STRING_PARAM"));
        }
        EXPECT_EQ(q.recordCount(), 9) << first;
    }
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(sections.value(QStringLiteral("2akladka%1").arg(k)), sections.value(QStringLiteral("zakladka%1").arg(k)));
    EXPECT_EQ(sections.value("2akladka1"), QString::fromUtf8("Салаты"));

    // The logins the README gives.
    QMap<QString, QString> passwords;
    for (base.QPerson.open(); !base.QPerson.eof(); base.QPerson.next()) {
        EXPECT_FALSE(base.QPerson.asString("FIO").isEmpty());
        passwords.insert(base.QPerson.asString("LOGIN"), base.QPerson.asString("PASSW"));
    }
    EXPECT_EQ(passwords, (QMap<QString, QString> {{"anna", "1111"}, {"boris", "2222"}}));

    setStatement(q, {"SELECT S.STATUS, COUNT(M.KOD_MENU) AS DISHES FROM SMENA S",
                     "JOIN MENU_STR M ON M.KOD_MENU = S.KOD_MENU GROUP BY S.KOD, S.STATUS ORDER BY S.STATUS"});
    q.open();
    q.fetchAll();
    ASSERT_EQ(q.recordCount(), 2) << "two shifts, each on a menu of its own with dishes";
    EXPECT_EQ(q.asInt32("STATUS"), 0);
    q.next();
    EXPECT_EQ(q.asInt32("STATUS"), 10);

    setStatement(q, {"SELECT NAME_PARAM FROM MY_PARAM WHERE NAME_PARAM = :N"});
    q.setString("N", "ff2");
    q.open();
    q.fetchAll();
    EXPECT_EQ(q.recordCount(), 1) << "the 24-tile layout";

    // The terminal reads every key and code through 32 bits.
    const std::pair<const char*, const char*> keyColumns[] = {
        {"KOD", "PERSON"}, {"KOD", "SMENA"}, {"KOD", "SPISOK_MENU"}, {"KOD", "MY_PARAM"},
        {"KOD_BLUDO_CALC_PROGRAM", "MENU_STR"},
    };
    for (const auto& [column, table] : keyColumns) {
        setStatement(q, {QStringLiteral("SELECT MIN(%1) AS LOW, MAX(%1) AS HIGH FROM %2").arg(column, table)});
        q.open();
        EXPECT_GE(q.asInt64("LOW"), std::numeric_limits<qint32>::min()) << table;
        EXPECT_LE(q.asInt64("HIGH"), std::numeric_limits<qint32>::max()) << table;
    }
}

TEST_F(DemoDatabase, SwitchesLayoutAndReplacesOnlyWhenForced)
{
    const struct {
        QStringList arguments;
        int exitCode;
        int layoutRows;
    } steps[] = {
        {{"create", path}, 0, 1},
        {{"layout", "45", path}, 0, 0},
        {{"layout", "45", path}, 0, 0},
        {{"layout", "24", path}, 0, 1},
        {{"layout", "24", path}, 0, 1},
        {{"layout", "45", path}, 0, 0},
        // The switched database is kept, then made afresh.
        {{"create", path}, 1, 0},
        {{"create", "--force", path}, 0, 1},
        {{"layout", "30", path}, 2, 1},
        {{"create"}, 2, 1},
    };
    for (const auto& step : steps) {
        const QString command = step.arguments.join(' ');
        const ToolRun run = runTool(step.arguments);
        EXPECT_EQ(run.exitCode, step.exitCode) << command.toStdString() << "\n" << run.output.toStdString();
        EXPECT_EQ(layoutRows(), step.layoutRows) << command.toStdString();
    }
}
