#include "startup/settings_files.h"

#include "startup/file_io.h"
#include "startup/text_file.h"

namespace {

QString lineOrEmpty(const QStringList& lines, int index)
{
    return index < lines.size() ? lines.at(index) : QString();
}

// The text from `from` up to the separator, and the position after it; a
// missing separator takes the rest of the text.
QString takeUntil(const QString& text, qsizetype& from, QChar separator)
{
    const qsizetype at = text.indexOf(separator, from);
    const qsizetype end = at < 0 ? text.size() : at;
    const QString part = text.mid(from, end - from);
    from = at < 0 ? text.size() : at + 1;
    return part;
}

} // namespace

void writeDefaultNetTxt(const QString& programDir)
{
    const QString path = programDir + QLatin1String(NetFileName);
    if (fileExists(path))
        return;
    writeLocalNetTxt(path, programDir + QStringLiteral("devazire.fdb"));
}

QString readConnectionString(const QString& netTxtPath)
{
    return lineOrEmpty(readTextLines(netTxtPath), 1);
}

NetSettings readNetSettings(const QString& netTxtPath)
{
    const QStringList lines = readTextLines(netTxtPath);
    const QString mode = lineOrEmpty(lines, 0).toUpper();
    const QString target = lineOrEmpty(lines, 1);
    NetSettings settings;
    if (mode == QLatin1String("LOCAL")) {
        settings.mode = NetSettings::Mode::Local;
        const qsizetype colon = target.indexOf(u':');
        settings.databasePath = colon < 0 ? QString() : target.mid(colon + 1);
    } else if (mode == QLatin1String("NET-IP")) {
        settings.mode = NetSettings::Mode::Network;
        qsizetype position = 0;
        settings.address[0] = takeUntil(target, position, u'.');
        settings.address[1] = takeUntil(target, position, u'.');
        settings.address[2] = takeUntil(target, position, u'.');
        settings.address[3] = takeUntil(target, position, u':');
        settings.databasePath = target.mid(position);
    }
    return settings;
}

void writeLocalNetTxt(const QString& netTxtPath, const QString& databasePath)
{
    writeTextLines(netTxtPath, {QStringLiteral("Local"), QStringLiteral("localhost:") + databasePath});
}

void writeNetworkNetTxt(const QString& netTxtPath, const std::array<QString, 4>& address,
                        const QString& databasePath)
{
    const QString target = address[0] + u'.' + address[1] + u'.' + address[2] + u'.' + address[3] + u':' + databasePath;
    writeTextLines(netTxtPath, {QStringLiteral("Net-IP"), target});
}

QString readLastLogin(const QString& nameTxtPath)
{
    return lineOrEmpty(readTextLines(nameTxtPath), 0);
}

void writeLastLogin(const QString& nameTxtPath, const QString& login)
{
    writeTextLines(nameTxtPath, {login});
}
