// Transactions: implicit and explicit start, commit, rollback, rollback at
// scope exit, and what a read-committed reader sees.
#include "db/database_error.h"
#include "db_test.h"

namespace {

class DbTransaction : public DbTest {
protected:
    int orderCount()
    {
        Query q(read);
        q.setSql({"SELECT COUNT(*) FROM ZAKAZ"});
        q.open();
        return q.asInt32("COUNT");
    }

    void insertOrder(Transaction& transaction, int key)
    {
        Query insert(transaction);
        insert.setSql({"INSERT INTO ZAKAZ (KOD, STATUS) VALUES (:KD, 1)"});
        insert.setInt32("KD", key);
        insert.exec();
    }
};

} // namespace

TEST_F(DbTransaction, FirstStatementStartsTheReadTransaction)
{
    EXPECT_FALSE(read.isActive());
    EXPECT_EQ(orderCount(), 0);
    EXPECT_TRUE(read.isActive());
    EXPECT_THROW(read.start(), DatabaseError);
}

TEST_F(DbTransaction, ReadCommittedSeesAnotherTransactionsCommitOnly)
{
    EXPECT_EQ(orderCount(), 0);
    write.start();
    insertOrder(write, 1);
    EXPECT_EQ(orderCount(), 0) << "uncommitted rows are not seen, and the reader does not wait";
    write.commit();
    EXPECT_FALSE(write.isActive());
    EXPECT_EQ(orderCount(), 1) << "the same read transaction sees the commit";
    EXPECT_TRUE(read.isActive());
}

TEST_F(DbTransaction, RollbackDiscardsAndTheTransactionCanStartAgain)
{
    write.start();
    insertOrder(write, 1);
    write.rollback();
    EXPECT_FALSE(write.isActive());
    EXPECT_THROW(write.commit(), DatabaseError);
    write.start();
    insertOrder(write, 2);
    write.commit();
    Query q(read);
    q.setSql({"SELECT KOD FROM ZAKAZ"});
    q.open();
    q.fetchAll();
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.asInt32("KOD"), 2);
}

TEST_F(DbTransaction, ScopeExitRollsBack)
{
    {
        Transaction scoped(db, {"write", "consistency"});
        insertOrder(scoped, 1);
        EXPECT_TRUE(scoped.isActive());
    }
    EXPECT_EQ(orderCount(), 0);
    // Nothing of it is left holding the table.
    write.start();
    insertOrder(write, 1);
    write.commit();
    EXPECT_EQ(orderCount(), 1);
}

TEST_F(DbTransaction, CommitEndsOpenCursorsAndKeepsTheFetchedRows)
{
    server.run("INSERT INTO ZAKAZ (KOD) VALUES (1); INSERT INTO ZAKAZ (KOD) VALUES (2)");
    Query q(write);
    q.setSql({"SELECT KOD FROM ZAKAZ ORDER BY KOD"});
    q.open();
    write.commit();
    EXPECT_EQ(q.asInt32("KOD"), 1);
    q.next();
    EXPECT_TRUE(q.eof());
    // The statement stays prepared and runs in the next transaction.
    q.open();
    q.fetchAll();
    EXPECT_EQ(q.recordCount(), 2);
    EXPECT_TRUE(write.isActive());
}

TEST_F(DbTransaction, ConsistencyWriterMakesASecondWriterFailWithoutWaiting)
{
    write.start();
    insertOrder(write, 1);
    Transaction other(db, {"write", "consistency", "nowait"});
    EXPECT_THROW(insertOrder(other, 2), DatabaseError);
    write.commit();
    EXPECT_EQ(orderCount(), 1);
}

TEST_F(DbTransaction, UnknownItemIsRefused)
{
    Transaction bad(db, {"read_committed", "snapshot_please"});
    EXPECT_THROW(bad.start(), DatabaseError);
    EXPECT_FALSE(bad.isActive());
}
