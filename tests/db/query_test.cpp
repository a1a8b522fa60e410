#include "db/query.h"
#include "db/transaction.h"
#include "support/test_database.h"

#include <gtest/gtest.h>

TEST(DbQuery, Smoke)
{
    TestDatabase test;
    Database db;
    test.connect(db);
    Transaction read(db, {"read_committed", "rec_version", "nowait"});
    Query q(read);
    q.setSql({"SELECT MAX(NUMBER_VER) FROM MY_VERSION"});
    q.open();
    EXPECT_EQ(q.asInt32("MAX"), 59);
}
