#include "history/desktop_opener.h"

#include "startup/terminal_error.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace {
constexpr int QueryTimeoutMs = 10000;

DefaultApplicationQuery& queryInUse()
{
    static DefaultApplicationQuery query;
    return query;
}
} // namespace

QString xdgDefaultApplication(const QString& mimeType)
{
    QProcess process;
    process.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!process.waitForFinished(QueryTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

void setDefaultApplicationQuery(DefaultApplicationQuery query)
{
    queryInUse() = std::move(query);
}

void requireDesktopApplication(const QString& mimeType)
{
    const DefaultApplicationQuery& query = queryInUse();
    const QString application = query ? query(mimeType) : xdgDefaultApplication(mimeType);
    if (application.isEmpty())
        throw TerminalError(QStringLiteral("The printout cannot be shown: no spreadsheet application is installed."));
}

void openInDesktopApplication(const QString& path)
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        throw TerminalError(QStringLiteral("The printout cannot be shown: the spreadsheet application did not open %1.").arg(path));
}
