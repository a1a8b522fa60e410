#include "db/server_account.h"

#include "startup/terminal_error.h"

#include <QFile>
#include <QProcessEnvironment>
#include <QRegularExpression>

ServerAccount readServerAccount()
{
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    ServerAccount account {environment.value(QStringLiteral("ISC_USER")), environment.value(QStringLiteral("ISC_PASSWORD"))};
    if (!account.user.isEmpty() && !account.password.isEmpty())
        return account;
    QFile file(QStringLiteral("/etc/firebird/3.0/SYSDBA.password"));
    if (!file.open(QIODevice::ReadOnly))
        throw TerminalError(QStringLiteral("No ISC_USER/ISC_PASSWORD and no readable %1").arg(file.fileName()));
    // Shell assignments, the value perhaps quoted.
    static const QRegularExpression assignment(QStringLiteral(R"(^\s*(ISC_USER|ISC_PASSWORD)=(["']?)(.*)\2\s*$)"));
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QRegularExpressionMatch match = assignment.match(QString::fromUtf8(line));
        if (match.hasMatch())
            (match.captured(1) == u"ISC_USER" ? account.user : account.password) = match.captured(3);
    }
    if (account.user.isEmpty() || account.password.isEmpty())
        throw TerminalError(QStringLiteral("No SYSDBA account in %1").arg(file.fileName()));
    return account;
}

QStringList connectionParams(const ServerAccount& account)
{
    return {QStringLiteral("user_name=") + account.user, QStringLiteral("password=") + account.password,
            QStringLiteral("lc_ctype=WIN1251")};
}
