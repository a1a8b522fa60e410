// The attachment to one Firebird database: the connection string and the
// connection parameter lines are set, then connect() attaches with SQL
// dialect 3. Transactions and queries on it are ended and released before
// it disconnects.
#pragma once

#include "db/client_handle.h"

#include <QString>
#include <QStringList>
#include <vector>

class Transaction;

class Database {
public:
    Database() = default;
    // Disconnects; never throws.
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // "localhost:/path/x.fdb", "127.0.0.1:/path/x.fdb", or "host/port:path".
    void setDatabaseName(const QString& connectionString) { name_ = connectionString; }
    const QString& databaseName() const { return name_; }
    // "user_name=…", "password=…", "lc_ctype=WIN1251", in this order.
    void setParams(const QStringList& lines) { params_ = lines; }
    const QStringList& params() const { return params_; }

    void connect();
    // Rolls back the active transactions and frees the statements on this
    // database first.
    void disconnect();
    bool isConnected() const { return handle_.isValid(); }
    // Asks the server whether it still serves this attachment; false when
    // not connected, when the server went away or shut the attachment down.
    // A round trip, so it is meant for telling such a loss from other
    // failures after one.
    bool isAlive();

    // Creates the database file named by databaseName() with the default
    // character set WIN1251 and stays connected to it.
    void createDatabase();
    // Removes the connected database file and disconnects.
    void dropDatabase();

private:
    friend class Transaction;
    friend class Query;

    FbHandle* handle();
    void releaseTransactions() noexcept;

    AttachmentHandle handle_;
    QString name_;
    QStringList params_;
    std::vector<Transaction*> transactions_;
};

// Runs a script of statements separated by ";" (SET TERM obeyed) on the
// database, each statement committed on its own, as schema scripts need.
void runScript(Database& database, const QString& script);
