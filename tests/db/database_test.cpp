// Connecting and disconnecting, and the failures a connection can meet.
#include "db/database_error.h"
#include "db_test.h"

#include <QElapsedTimer>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A loopback port nobody listens on: bound a moment ago and released.
quint16 closedLoopbackPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

} // namespace

using DbDatabase = DbTest;

TEST_F(DbDatabase, ConnectsAndDisconnects)
{
    EXPECT_TRUE(db.isConnected());
    EXPECT_THROW(db.connect(), DatabaseError);
    db.disconnect();
    EXPECT_FALSE(db.isConnected());
    db.disconnect();
    db.connect();
    EXPECT_TRUE(db.isConnected());
}

TEST_F(DbDatabase, DisconnectEndsTransactionsAndQueriesThatStayUsable)
{
    Query q(read);
    q.setSql({"SELECT NUMBER_VER FROM MY_VERSION"});
    q.open();
    Query insert(write);
    insert.setSql({"INSERT INTO MY_VERSION (NUMBER_VER) VALUES (60)"});
    insert.exec();

    db.disconnect();
    EXPECT_FALSE(read.isActive());
    EXPECT_FALSE(write.isActive());
    EXPECT_FALSE(q.isOpen());
    EXPECT_THROW(q.open(), DatabaseError);

    db.connect();
    q.open();
    q.fetchAll();
    EXPECT_EQ(q.recordCount(), 1) << "the uncommitted insert was rolled back";
}

TEST_F(DbDatabase, WrongPasswordIsRefusedWithTheServersText)
{
    Database other;
    other.setDatabaseName(server.connectionString());
    other.setParams({"user_name=" + serverAccount().user, "password=wrong-password", "lc_ctype=WIN1251"});
    try {
        other.connect();
        FAIL() << "connected";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains("password")) << e.message().toStdString();
    }
    EXPECT_FALSE(other.isConnected());
}

TEST_F(DbDatabase, RefusedPortFailsPromptly)
{
    const quint16 port = closedLoopbackPort();
    ASSERT_NE(port, 0);
    for (const QString& host : {QStringLiteral("localhost/%1"), QStringLiteral("127.0.0.1/%1")}) {
        Database other;
        other.setDatabaseName(host.arg(port) + ":/tmp/order-terminal-tests/none.fdb");
        other.setParams(server.connectionParams());
        QElapsedTimer timer;
        timer.start();
        EXPECT_THROW(other.connect(), DatabaseError);
        EXPECT_LT(timer.elapsed(), 5000);
        EXPECT_FALSE(other.isConnected());
    }
}

TEST_F(DbDatabase, MissingFileAndUnknownParameterAreRefused)
{
    Database other;
    other.setDatabaseName("localhost:/tmp/order-terminal-tests/no-such-file.fdb");
    other.setParams(server.connectionParams());
    EXPECT_THROW(other.connect(), DatabaseError);

    other.setDatabaseName(server.connectionString());
    other.setParams(server.connectionParams() << "sql_dialect=1");
    EXPECT_THROW(other.connect(), DatabaseError);
    other.setParams({"user_name"});
    EXPECT_THROW(other.connect(), DatabaseError);
    EXPECT_FALSE(other.isConnected());
}

TEST_F(DbDatabase, ObjectsOutlivingTheirOwnersFailCleanly)
{
    auto transaction = std::make_unique<Transaction>(db);
    Query q(*transaction);
    q.setSql({"SELECT 1 AS ONE FROM RDB$DATABASE"});
    q.open();
    transaction.reset();
    EXPECT_FALSE(q.isOpen());
    EXPECT_THROW(q.open(), DatabaseError);
}
