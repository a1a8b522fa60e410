// The procedure ADD_ZAKAZ_STR called through StoredProc on the write
// transaction, and the server's 1251 text in its failure.
#include "db/database_error.h"
#include "db/stored_proc.h"
#include "db_test.h"

namespace {

class DbStoredProc : public DbTest {
protected:
    DbStoredProc()
    {
        server.run("INSERT INTO SPISOK_MENU (KOD) VALUES (1);"
                   "INSERT INTO MENU_STR (KOD_MENU, KOD_BLUDO_CALC_PROGRAM, NAME, CENA) VALUES (1, 7, 'Чай', 40.5);"
                   "INSERT INTO ZAKAZ (KOD, KOD_MENU) VALUES (10, 1)");
    }

    void insertLine(int key, int dish, double quantity)
    {
        Query insert(write);
        insert.setSql({"INSERT INTO ZAKAZ_STR (KOD, KOD_ZAKAZ, KOD_BLUDO_CALC, KOLVO) VALUES (:KK, :KZ, :KD, :KV)"});
        insert.setInt32("KK", key);
        insert.setInt32("KZ", 10);
        insert.setInt32("KD", dish);
        insert.setDouble("KV", quantity);
        insert.exec();
    }

    double kassa()
    {
        Query q(read);
        q.setSql({"SELECT KASSA FROM ZAKAZ WHERE KOD = 10"});
        q.open();
        return q.asDouble("KASSA");
    }
};

} // namespace

TEST_F(DbStoredProc, PricesEachLineSoTheOrderAmountFollows)
{
    StoredProc proc(write);
    write.start();
    insertLine(11, 7, 2);
    proc.setProcedureName("ADD_ZAKAZ_STR");
    proc.setInt32("KOD", 11);
    proc.exec();
    insertLine(12, 99, 1);
    proc.setProcedureName("ADD_ZAKAZ_STR");
    proc.setInt32("KOD", 12);
    proc.exec();
    EXPECT_EQ(kassa(), 0.0) << "nothing is seen before the commit";
    write.commit();
    EXPECT_EQ(kassa(), 81.0) << "2 x 40.5, and 0 for a dish not on the menu";
}

TEST_F(DbStoredProc, FailureCarriesTheProceduresMessageIn1251)
{
    StoredProc proc(write);
    proc.setProcedureName("add_zakaz_str");
    proc.setInt32("kod", 999);
    try {
        proc.exec();
        FAIL() << "no error";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Строка заказа не найдена"))) << e.message().toStdString();
    }
    EXPECT_THROW(proc.setInt32("OTHER", 1), DatabaseError);
}

TEST_F(DbStoredProc, UnknownProcedureHasNoParameters)
{
    StoredProc proc(write);
    EXPECT_THROW(proc.setProcedureName("NO_SUCH_PROC"), DatabaseError);
}
