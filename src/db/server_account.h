// The local Firebird server's SYSDBA account, for the tools, tests and
// benchmarks that create databases on it. The terminal itself never reads it.
#pragma once

#include <QString>

struct ServerAccount {
    QString user;
    QString password;
};

// ISC_USER and ISC_PASSWORD from the environment, else the shell assignments
// Debian's package keeps in /etc/firebird/3.0/SYSDBA.password. Throws
// TerminalError when neither holds both.
ServerAccount readServerAccount();
