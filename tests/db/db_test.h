// Fixture for tests of the data-access layer: a fresh restaurant database,
// one connection to it and the terminal's two kinds of transaction.
#pragma once

#include "db/database.h"
#include "db/query.h"
#include "db/transaction.h"
#include "support/test_database.h"

#include <gtest/gtest.h>

class DbTest : public ::testing::Test {
protected:
    DbTest() { server.connect(db); }

    // Declared first, so it is dropped after the connection has closed.
    TestDatabase server;
    Database db;
    Transaction read {db, {"read_committed", "rec_version", "nowait"}};
    Transaction write {db, {"write", "consistency"}};
};
