#include "db/database.h"

#include "db/database_error.h"
#include "db/parameter_blocks.h"
#include "db/query.h"
#include "db/sql_text.h"
#include "db/transaction.h"
#include "startup/codepages.h"

#include <ibase.h>

Database::~Database()
{
    releaseTransactions();
    handle_.reset();
    for (Transaction* transaction : transactions_)
        transaction->database_ = nullptr;
}

void Database::connect()
{
    if (isConnected())
        throw DatabaseError(QStringLiteral("The database is already connected"), 0);
    const QByteArray name = encodeTextExactly(CodePage::Cp1251, name_);
    const QByteArray block = connectionParameterBlock(params_);
    StatusVector status;
    isc_attach_database(status.data(), 0, name.constData(), handle_.get(),
                        static_cast<short>(block.size()), block.constData());
    check(status);
}

void Database::disconnect()
{
    if (!isConnected())
        return;
    releaseTransactions();
    StatusVector status;
    isc_detach_database(status.data(), handle_.get());
    if (status.failed())
        handle_.reset();
    check(status);
}

bool Database::isAlive()
{
    if (!isConnected())
        return false;
    const char item = isc_info_attachment_id;
    char buffer[16];
    StatusVector status;
    isc_database_info(status.data(), handle_.get(), 1, &item, sizeof buffer, buffer);
    return !status.failed();
}

void Database::createDatabase()
{
    if (isConnected())
        throw DatabaseError(QStringLiteral("The database is already connected"), 0);
    const QByteArray name = encodeTextExactly(CodePage::Cp1251, name_);
    QByteArray block = connectionParameterBlock(params_);
    const QByteArray charset("WIN1251");
    block.append(static_cast<char>(isc_dpb_set_db_charset));
    block.append(static_cast<char>(charset.size()));
    block.append(charset);
    StatusVector status;
    isc_create_database(status.data(), 0, name.constData(), handle_.get(),
                        static_cast<short>(block.size()), block.constData(), 0);
    check(status);
}

void Database::dropDatabase()
{
    if (!isConnected())
        throw DatabaseError(QStringLiteral("The database is not connected"), 0);
    releaseTransactions();
    StatusVector status;
    isc_drop_database(status.data(), handle_.get());
    check(status);
}

FbHandle* Database::handle()
{
    if (!isConnected())
        throw DatabaseError(QStringLiteral("The database is not connected"), 0);
    return handle_.get();
}

void Database::releaseTransactions() noexcept
{
    for (Transaction* transaction : transactions_) {
        transaction->releaseStatements();
        transaction->handle_.reset();
    }
}

void runScript(Database& database, const QString& script)
{
    Transaction transaction(database);
    Query query(transaction);
    query.setParamCheck(false);
    for (const QString& statement : splitScript(script)) {
        query.setSql({statement});
        query.exec();
        transaction.commit();
    }
}
