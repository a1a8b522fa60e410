// The schema script: every column the terminal relies on, with its type,
// in a database whose default character set is WIN1251.
#include "db_test.h"

using DbSchema = DbTest;

TEST_F(DbSchema, DatabaseDefaultsToWin1251AndHoldsVersion59)
{
    Query q(read);
    q.setSql({"SELECT RDB$CHARACTER_SET_NAME AS CS FROM RDB$DATABASE"});
    q.open();
    EXPECT_EQ(q.asString("CS").trimmed(), "WIN1251");
    q.setSql({"SELECT NUMBER_VER FROM MY_VERSION"});
    q.open();
    q.fetchAll();
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.asInt32("NUMBER_VER"), 59);
}

TEST_F(DbSchema, ContractColumnsHaveTheirTypes)
{
    // RDB$FIELD_TYPE codes; text is VARCHAR (37) with its length in characters.
    enum { Smallint = 7, Integer = 8, Date = 12, Time = 13, Bigint = 16, Double = 27, Varchar = 37, Blob = 261 };
    const struct {
        const char* table;
        const char* column;
        int type;
        int length;   // characters of a VARCHAR, or the BLOB sub-type
    } columns[] = {
        {"MY_VERSION", "NUMBER_VER", Integer, 0},
        {"PERSON", "KOD", Bigint, 0}, {"PERSON", "FIO", Varchar, 50}, {"PERSON", "LOGIN", Varchar, 20},
        {"PERSON", "PASSW", Varchar, 100}, {"PERSON", "SCANCODE", Varchar, 100}, {"PERSON", "F", Varchar, 100},
        {"PERSON", "STATUS_PERSON", Smallint, 0},
        {"SMENA", "KOD", Bigint, 0}, {"SMENA", "KOD_MENU", Bigint, 0}, {"SMENA", "STATUS", Smallint, 0},
        {"SPISOK_MENU", "KOD", Bigint, 0},
        {"MENU_STR", "KOD_MENU", Bigint, 0}, {"MENU_STR", "KOD_BLUDO_CALC_PROGRAM", Bigint, 0},
        {"MENU_STR", "NAME", Varchar, 100}, {"MENU_STR", "CENA", Double, 0},
        {"MY_PARAM", "KOD", Bigint, 0}, {"MY_PARAM", "NAME_PARAM", Varchar, 20},
        {"MY_PARAM", "STRING_PARAM", Varchar, 250}, {"MY_PARAM", "INTEGER_PARAM", Integer, 0},
        {"MY_PARAM", "FLOAT_PARAM", Double, 0}, {"MY_PARAM", "IMAGE_PARAM", Blob, 0},
        {"MY_PARAM", "MEMO_PARAM", Blob, 1},
        {"ZAKAZ", "KOD", Bigint, 0}, {"ZAKAZ", "INFO_ZAKAZ", Varchar, 100}, {"ZAKAZ", "KOD_SMENA", Bigint, 0},
        {"ZAKAZ", "KOD_MENU", Bigint, 0}, {"ZAKAZ", "KOD_KLIENT", Bigint, 0}, {"ZAKAZ", "KOD_PERSON", Bigint, 0},
        {"ZAKAZ", "STATUS", Smallint, 0}, {"ZAKAZ", "DATE_OPEN", Date, 0}, {"ZAKAZ", "TIME_OPEN", Time, 0},
        {"ZAKAZ", "DATE_STATUS", Date, 0}, {"ZAKAZ", "TIME_STATUS", Time, 0},
        {"ZAKAZ", "DATE_CLOSE", Date, 0}, {"ZAKAZ", "TIME_CLOSE", Time, 0},
        {"ZAKAZ", "SUMMA", Double, 0}, {"ZAKAZ", "NEW_SUMMA", Double, 0},
        {"ZAKAZ", "PERCENT_NACENKA", Integer, 0}, {"ZAKAZ", "NAME_NACENKA", Varchar, 100},
        {"ZAKAZ", "MY_INFO", Blob, 1}, {"ZAKAZ", "KASSA", Double, 0},
        {"ZAKAZ_STR", "KOD", Bigint, 0}, {"ZAKAZ_STR", "KOD_ZAKAZ", Bigint, 0},
        {"ZAKAZ_STR", "KOD_BLUDO_CALC", Bigint, 0}, {"ZAKAZ_STR", "KOLVO", Double, 0},
    };
    Query q(read);
    q.setSql({"SELECT F.RDB$FIELD_TYPE AS FIELD_TYPE, F.RDB$CHARACTER_LENGTH AS CHARS,",
              "F.RDB$FIELD_SUB_TYPE AS SUB_TYPE, F.RDB$COMPUTED_BLR AS COMPUTED",
              "FROM RDB$RELATION_FIELDS R JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = R.RDB$FIELD_SOURCE",
              "WHERE R.RDB$RELATION_NAME = :T AND R.RDB$FIELD_NAME = :C"});
    for (const auto& c : columns) {
        q.setString("T", c.table);
        q.setString("C", c.column);
        q.open();
        ASSERT_FALSE(q.eof()) << c.table << "." << c.column;
        EXPECT_EQ(q.asInt32("FIELD_TYPE"), c.type) << c.table << "." << c.column;
        if (c.type == Varchar) {
            EXPECT_EQ(q.asInt32("CHARS"), c.length) << c.table << "." << c.column;
        }
        if (c.type == Blob) {
            EXPECT_EQ(q.asInt32("SUB_TYPE"), c.length) << c.table << "." << c.column;
        }
        EXPECT_EQ(!q.isNull("COMPUTED"), QLatin1String(c.column) == u"KASSA") << c.table << "." << c.column;
    }
}
