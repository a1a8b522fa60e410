// Named parameters and script splitting, without a server.
#include "db/sql_text.h"

#include <gtest/gtest.h>

TEST(DbSqlText, NamedParametersBecomePositional)
{
    const struct {
        const char* sql;
        const char* text;
        QStringList names;
    } cases[] = {
        {"SELECT * FROM T WHERE A = :N", "SELECT * FROM T WHERE A = ?", {"N"}},
        {"VALUES (:iz, :KD,:Kd)", "VALUES (?, ?,?)", {"IZ", "KD", "KD"}},
        {"WHERE A >= :S1 AND A <= :S2\nAND B = :S1", "WHERE A >= ? AND A <= ?\nAND B = ?", {"S1", "S2", "S1"}},
        {"WHERE A = ':N' AND B = :M", "WHERE A = ':N' AND B = ?", {"M"}},
        {"WHERE A = 'it''s :N' AND B = :M", "WHERE A = 'it''s :N' AND B = ?", {"M"}},
        {"SELECT \":X\" FROM T", "SELECT \":X\" FROM T", {}},
        {"SELECT A -- :X\nFROM T /* :Y */ WHERE B = :Z", "SELECT A -- :X\nFROM T /* :Y */ WHERE B = ?", {"Z"}},
        {"WHERE A = :N_1$2+1", "WHERE A = ?+1", {"N_1$2"}},
        {"SELECT A FROM T WHERE B = 'open", "SELECT A FROM T WHERE B = 'open", {}},
        {"CAST(:D AS TIME)", "CAST(? AS TIME)", {"D"}},
    };
    for (const auto& c : cases) {
        const PositionalSql result = toPositionalParameters(QString::fromUtf8(c.sql));
        EXPECT_EQ(result.text, QString::fromUtf8(c.text)) << c.sql;
        EXPECT_EQ(result.names, c.names) << c.sql;
    }
}

TEST(DbSqlText, ScriptSplitsOnTheCurrentTerminator)
{
    const QString script = QStringLiteral(
        "-- header; with a semicolon\n"
        "CREATE TABLE A (X VARCHAR(5) DEFAULT ';');\n"
        "/* comment only; */ ;\n"
        "SET TERM ^ ;\n"
        "CREATE PROCEDURE P AS BEGIN X = 1; Y = 2; END^\n"
        "SET TERM ; ^\n"
        "INSERT INTO A VALUES ('a;b');");
    const QStringList statements = splitScript(script);
    ASSERT_EQ(statements.size(), 3);
    EXPECT_EQ(statements[0], QStringLiteral("-- header; with a semicolon\nCREATE TABLE A (X VARCHAR(5) DEFAULT ';')"));
    EXPECT_EQ(statements[1], QStringLiteral("CREATE PROCEDURE P AS BEGIN X = 1; Y = 2; END"));
    EXPECT_EQ(statements[2], QStringLiteral("INSERT INTO A VALUES ('a;b')"));
}
