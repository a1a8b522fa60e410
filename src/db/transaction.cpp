#include "db/transaction.h"

#include "db/database.h"
#include "db/database_error.h"
#include "db/parameter_blocks.h"
#include "db/query.h"

#include <algorithm>
#include <ibase.h>

Transaction::Transaction(Database& database, const QStringList& params)
    : database_(&database), params_(params)
{
    database.transactions_.push_back(this);
}

Transaction::~Transaction()
{
    releaseStatements();
    handle_.reset();
    for (Query* query : queries_)
        query->forgetTransaction();
    if (database_)
        std::erase(database_->transactions_, this);
}

void Transaction::start()
{
    if (isActive())
        throw DatabaseError(QStringLiteral("The transaction is already active"), 0);
    const QByteArray block = transactionParameterBlock(params_);
    // Taken first: it throws when the database is not connected.
    FbHandle* db = database().handle();
    StatusVector status;
    isc_start_transaction(status.data(), handle_.get(), 1, db,
                          static_cast<unsigned short>(block.size()), block.constData());
    check(status);
}

void Transaction::commit()
{
    if (!isActive())
        throw DatabaseError(QStringLiteral("The transaction is not active"), 0);
    closeCursors();
    StatusVector status;
    isc_commit_transaction(status.data(), handle_.get());
    check(status);
}

void Transaction::rollback()
{
    if (!isActive())
        throw DatabaseError(QStringLiteral("The transaction is not active"), 0);
    closeCursors();
    StatusVector status;
    isc_rollback_transaction(status.data(), handle_.get());
    check(status);
}

Database& Transaction::database()
{
    if (!database_)
        throw DatabaseError(QStringLiteral("The transaction's database no longer exists"), 0);
    return *database_;
}

FbHandle* Transaction::activeHandle()
{
    if (!isActive())
        start();
    return handle_.get();
}

void Transaction::closeCursors() noexcept
{
    for (Query* query : queries_)
        query->closeCursor();
}

void Transaction::releaseStatements() noexcept
{
    for (Query* query : queries_)
        query->releaseStatement();
}
