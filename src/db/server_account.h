// The local Firebird server's SYSDBA account, for the tools, tests and
// benchmarks that create databases on it. The terminal itself never reads it.
#pragma once

#include <QString>
#include <QStringList>

struct ServerAccount {
    QString user;
    QString password;
};

// ISC_USER and ISC_PASSWORD from the environment, else the shell assignments
// Debian's package keeps in /etc/firebird/3.0/SYSDBA.password. Throws
// TerminalError when neither holds both.
ServerAccount readServerAccount();

// The connection parameter lines for the account: user, password and the
// terminal's character set.
QStringList connectionParams(const ServerAccount& account);
