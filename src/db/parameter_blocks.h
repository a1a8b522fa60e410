// The client library's parameter blocks, built from their items written as
// text: "user_name=SYSDBA" lines for a connection, "read_committed" items for
// a transaction.
#pragma once

#include <QByteArray>
#include <QStringList>

// The connection's block from "name=value" lines (user_name, password,
// lc_ctype, sql_role_name, and force_write=0 or 1), with SQL dialect 3
// added; values go in code page 1251. Throws DatabaseError for an unknown or malformed line.
QByteArray connectionParameterBlock(const QStringList& lines);

// The transaction's block from item names (read, write, read_committed,
// rec_version, no_rec_version, consistency, concurrency, wait, nowait).
// Throws DatabaseError for an unknown item.
QByteArray transactionParameterBlock(const QStringList& items);
