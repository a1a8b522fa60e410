// Statements against the real server: parameters and fields of every type,
// code page 1251, BLOBs, column names of expressions and error texts.
#include "db/database_error.h"
#include "db_test.h"

#include <QDate>
#include <QTime>
#include <limits>

namespace {

class DbQuery : public DbTest {
protected:
    DbQuery()
    {
        server.run("CREATE TABLE T (K INTEGER, I BIGINT, S SMALLINT, D DOUBLE PRECISION, N NUMERIC(9,2),"
                   " V VARCHAR(50), C CHAR(4), DT DATE, TM TIME, TS TIMESTAMP,"
                   " B BLOB SUB_TYPE BINARY, X BLOB SUB_TYPE TEXT)");
    }

    // Writes one row with the value set by setter into column, and reads it back.
    template <typename Set>
    void writeRow(const char* column, Set set)
    {
        Query insert(write);
        insert.setSql({QStringLiteral("INSERT INTO T (K, %1) VALUES (1, :V)").arg(QLatin1String(column))});
        set(insert);
        insert.exec();
        write.commit();
    }

    void openRow(Query& q)
    {
        q.setSql({"SELECT * FROM T WHERE K = 1"});
        q.open();
        ASSERT_FALSE(q.eof());
    }
};

} // namespace

TEST_F(DbQuery, EveryTypeTravelsBothWays)
{
    const QDate date(2024, 2, 29);
    const QTime time(23, 59, 58, 123);
    Query insert(write);
    insert.setSql({"INSERT INTO T (K, I, S, D, N, V, C, DT, TM)",
                   "VALUES (:K, :I, :S, :D, :N, :V, :C, :DT, :TM)"});
    insert.setInt32("K", 1);
    insert.setInt64("I", std::numeric_limits<qint64>::min());
    insert.setInt32("S", -32768);
    insert.setDouble("D", 0.1);
    insert.setDouble("N", 150.5);
    insert.setString("V", "text");
    insert.setString("C", "ab");
    insert.setDate("DT", date);
    insert.setTime("TM", time);
    insert.exec();
    write.commit();

    Query q(read);
    openRow(q);
    EXPECT_EQ(q.asInt64("I"), std::numeric_limits<qint64>::min());
    EXPECT_EQ(q.asInt32("S"), -32768);
    EXPECT_EQ(q.asDouble("D"), 0.1);
    EXPECT_EQ(q.asDouble("N"), 150.5);
    EXPECT_EQ(q.asString("V"), "text");
    EXPECT_EQ(q.asString("C"), "ab  ");
    EXPECT_EQ(q.asDate("DT"), date);
    EXPECT_EQ(q.asTime("TM"), time);
    EXPECT_FALSE(q.isNull("V"));
    EXPECT_TRUE(q.isNull("TS"));
}

TEST_F(DbQuery, NullReadsAsZeroOrEmptyAndCanBeWritten)
{
    writeRow("V", [](Query& q) { q.setNull("V"); });
    Query q(read);
    openRow(q);
    for (const char* column : {"I", "D", "V", "DT", "TM", "B", "X"})
        EXPECT_TRUE(q.isNull(column)) << column;
    EXPECT_EQ(q.asInt32("I"), 0);
    EXPECT_EQ(q.asDouble("D"), 0.0);
    EXPECT_EQ(q.asString("V"), QString());
    EXPECT_FALSE(q.asDate("DT").isValid());
    EXPECT_FALSE(q.asTime("TM").isValid());
    EXPECT_TRUE(q.asBytes("B").isEmpty());
}

TEST_F(DbQuery, SixtyFourBitValuesReadThroughTheirLowThirtyTwoBits)
{
    const struct {
        qint64 stored;
        qint32 read;
    } cases[] = {
        {0, 0},
        {2147483647, 2147483647},
        {2147483648LL, -2147483648LL},
        {4294967295LL, -1},
        {4294967297LL, 1},
        {-1, -1},
        {-2147483649LL, 2147483647},
    };
    Query insert(write);
    insert.setSql({"INSERT INTO T (I) VALUES (:I)"});
    for (const auto& c : cases) {
        insert.setInt64("I", c.stored);
        insert.exec();
    }
    write.commit();

    Query q(read);
    q.setSql({"SELECT I FROM T WHERE I = :I"});
    for (const auto& c : cases) {
        q.setInt64("I", c.stored);
        q.open();
        ASSERT_FALSE(q.eof()) << c.stored;
        EXPECT_EQ(q.asInt32("I"), c.read) << c.stored;
        EXPECT_EQ(q.asInt64("I"), c.stored);
    }
}

TEST_F(DbQuery, TextTravelsInCodePage1251BothWays)
{
    const QString text = QStringLiteral("Борщ «Украинский» №1 — 150р");
    const QString note = QStringLiteral("Без лука.\nПодать к 19:00, стол №5");
    Query insert(write);
    insert.setSql({"INSERT INTO T (K, V, X) VALUES (1, :V, :X)"});
    insert.setString("V", text);
    insert.setString("X", note);
    insert.exec();
    write.commit();

    Query q(read);
    q.setSql({"SELECT V, X, CHAR_LENGTH(V) AS LEN, OCTET_LENGTH(V) AS BYTES FROM T WHERE V = 'Борщ «Украинский» №1 — 150р'"});
    q.open();
    ASSERT_FALSE(q.eof());
    EXPECT_EQ(q.asString("V"), text);
    EXPECT_EQ(q.asString("X"), note);
    // One byte per character: stored as 1251, not as UTF-8.
    EXPECT_EQ(q.asInt32("LEN"), text.size());
    EXPECT_EQ(q.asInt32("BYTES"), text.size());
}

TEST_F(DbQuery, TextCodePage1251CannotHoldIsRefusedBeforeSending)
{
    Query insert(write);
    insert.setSql({"INSERT INTO T (K, V) VALUES (1, :V)"});
    EXPECT_THROW(insert.setString("V", QStringLiteral("Пицца 🍕")), TerminalError);
    insert.setSql({QStringLiteral("INSERT INTO T (K, V) VALUES (1, '中')")});
    EXPECT_THROW(insert.exec(), TerminalError);
    EXPECT_FALSE(insert.isPrepared());
    EXPECT_FALSE(write.isActive());
}

TEST_F(DbQuery, BinaryAndTextBlobs)
{
    QByteArray picture("BM");
    for (int i = 0; i < 100000; ++i)
        picture.append(static_cast<char>(i % 256));
    Query insert(write);
    insert.setSql({"INSERT INTO T (K, B, X) VALUES (:K, :B, :X)"});
    insert.setInt32("K", 1);
    insert.setBytes("B", picture);
    insert.setString("X", QString(70000, QChar(u'ж')));
    insert.exec();
    insert.setInt32("K", 2);
    insert.setBytes("B", QByteArray());
    insert.setString("X", QString());
    insert.exec();
    write.commit();

    Query q(read);
    q.setSql({"SELECT K, B, X FROM T ORDER BY K"});
    q.open();
    EXPECT_EQ(q.asBytes("B"), picture);
    EXPECT_EQ(q.asString("X"), QString(70000, QChar(u'ж')));
    q.next();
    // Empty, but not null.
    EXPECT_FALSE(q.isNull("B"));
    EXPECT_TRUE(q.asBytes("B").isEmpty());
    EXPECT_FALSE(q.isNull("X"));
    EXPECT_EQ(q.asString("X"), QString(""));
}

TEST_F(DbQuery, ExpressionColumnsCarryTheServersNames)
{
    Query q(read);
    q.setSql({"SELECT MAX(NUMBER_VER) FROM MY_VERSION"});
    q.open();
    EXPECT_EQ(q.fieldNames(), QStringList {"MAX"});
    EXPECT_EQ(q.asInt32("MAX"), 59);

    q.clear();
    q.addLine("SELECT GEN_ID(MY_GEN, 1) FROM RDB$DATABASE");
    q.open();
    EXPECT_EQ(q.fieldNames(), QStringList {"GEN_ID"});
    const qint32 key = q.asInt32("GEN_ID");
    q.close();
    q.open();
    EXPECT_EQ(q.asInt32("gen_id"), key + 1);

    server.run("DELETE FROM MY_VERSION");
    q.setSql({"SELECT MAX(NUMBER_VER) FROM MY_VERSION"});
    q.open();
    EXPECT_TRUE(q.isNull("MAX"));
    EXPECT_EQ(q.asInt32("MAX"), 0);
}

TEST_F(DbQuery, RepeatedNameAndLiteralsAgainstTheServer)
{
    server.run("INSERT INTO T (K, V) VALUES (1, ':N');"
               "INSERT INTO T (K, V) VALUES (2, 'b');"
               "INSERT INTO T (K, V) VALUES (3, 'c')");
    Query q(read);
    q.setSql({"SELECT K FROM T -- :COMMENT",
              "WHERE (K = :N OR K = :N + 1 OR V = ':N') /* :M */",
              "ORDER BY K"});
    q.setInt32("n", 2);
    q.open();
    q.fetchAll();
    ASSERT_EQ(q.recordCount(), 3);
    EXPECT_THROW(q.setInt32("COMMENT", 1), DatabaseError);
}

TEST_F(DbQuery, RowsStayInMemoryAndCanBeScannedAgain)
{
    server.run("INSERT INTO T (K) VALUES (1); INSERT INTO T (K) VALUES (2); INSERT INTO T (K) VALUES (3)");
    Query q(read);
    q.setSql({"SELECT K FROM T ORDER BY K"});
    q.open();
    q.fetchAll();
    EXPECT_EQ(q.recordCount(), 3);
    for (int pass = 0; pass < 2; ++pass) {
        QList<int> keys;
        for (q.first(); !q.eof(); q.next())
            keys << q.asInt32("K");
        EXPECT_EQ(keys, QList<int>({1, 2, 3}));
        // Past the end the last row stays current.
        EXPECT_EQ(q.asInt32("K"), 3);
    }

    q.close();
    EXPECT_FALSE(q.isOpen());
    q.setSql({"SELECT K FROM T WHERE K > 10"});
    q.open();
    EXPECT_TRUE(q.isOpen());
    EXPECT_TRUE(q.eof());
    EXPECT_EQ(q.recordCount(), 0);
    EXPECT_TRUE(q.isNull("K"));
}

TEST_F(DbQuery, MisuseIsReportedWithoutReachingTheServer)
{
    Query q(read);
    q.setSql({"SELECT K FROM T WHERE K = :K"});
    EXPECT_THROW(q.setInt32("X", 1), DatabaseError);
    EXPECT_THROW(q.open(), DatabaseError) << "K has no value";
    q.setInt32("K", 1);
    q.open();
    EXPECT_THROW(q.asInt32("NOPE"), DatabaseError);
    EXPECT_THROW(q.exec(), DatabaseError) << "a select is opened";

    Query insert(write);
    insert.setSql({"INSERT INTO T (K) VALUES (1)"});
    EXPECT_THROW(insert.open(), DatabaseError);
    insert.setSql({"INSERT INTO T (K) VALUES (?)"});
    EXPECT_THROW(insert.exec(), DatabaseError) << "unnamed parameter";
}

TEST_F(DbQuery, ServerErrorsCarryTheServersText)
{
    Query q(read);
    q.setSql({"SELECT * FROM NO_SUCH_TABLE"});
    try {
        q.open();
        FAIL() << "no error";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains("Table unknown")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains("NO_SUCH_TABLE")) << e.message().toStdString();
        EXPECT_NE(e.code(), 0);
    }
    EXPECT_FALSE(q.isPrepared());

    // The same query works after the failure.
    q.setSql({"SELECT COUNT(*) FROM T"});
    q.open();
    EXPECT_EQ(q.asInt32("COUNT"), 0);

    Query insert(write);
    insert.setSql({"INSERT INTO T (K, V) VALUES (1, :V)"});
    insert.setString("V", QString(51, QChar(u'я')));
    try {
        insert.exec();
        FAIL() << "no error";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains("string right truncation")) << e.message().toStdString();
    }
}

TEST_F(DbQuery, TheSameTextAgainStaysPreparedButNeedsItsValuesAgain)
{
    Query q(read);
    q.setSql({"SELECT CAST(:N AS INTEGER) AS V FROM RDB$DATABASE"});
    q.setInt32("N", 7);
    q.open();
    EXPECT_EQ(q.asInt32("V"), 7);
    q.setSql({"SELECT CAST(:N AS INTEGER) AS V FROM RDB$DATABASE"});
    EXPECT_TRUE(q.isPrepared());
    EXPECT_FALSE(q.isOpen());
    EXPECT_THROW(q.open(), TerminalError);
    q.setInt32("N", 8);
    q.open();
    EXPECT_EQ(q.asInt32("V"), 8);
    q.setSql({"SELECT CAST(:N AS INTEGER) + 1 AS V FROM RDB$DATABASE"});
    EXPECT_FALSE(q.isPrepared());
}
