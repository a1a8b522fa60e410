// A transaction on a Database with parameter items given by name
// ("read_committed", "rec_version", "nowait"; "write", "consistency").
// Started explicitly, or by the first statement run on it; rolled back when
// it is destroyed while still active.
#pragma once

#include "db/client_handle.h"

#include <QStringList>
#include <vector>

class Database;
class Query;

class Transaction {
public:
    explicit Transaction(Database& database, const QStringList& params = {});
    // Rolls back when active; never throws.
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void setParams(const QStringList& items) { params_ = items; }
    const QStringList& params() const { return params_; }

    // Starting an active transaction is a fault and throws.
    void start();
    void commit();
    void rollback();
    bool isActive() const { return handle_.isValid(); }

private:
    friend class Database;
    friend class Query;

    Database& database();
    // Started on demand by statements.
    FbHandle* activeHandle();
    // Open cursors end with the transaction; they are closed before it ends.
    void closeCursors() noexcept;
    void releaseStatements() noexcept;

    Database* database_;
    TransactionHandle handle_;
    QStringList params_;
    std::vector<Query*> queries_;
};
