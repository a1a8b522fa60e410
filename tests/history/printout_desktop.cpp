#include "history/printout_desktop.h"

#include "history/desktop_opener.h"
#include "history/spreadsheet.h"

#include <QDesktopServices>
#include <QDir>
#include <QJsonDocument>
#include <QProcess>
#include <gtest/gtest.h>

PrintoutDesktop::PrintoutDesktop()
    : savedTmpDir_(qgetenv("TMPDIR")), hadTmpDir_(qEnvironmentVariableIsSet("TMPDIR"))
{
    qputenv("TMPDIR", QFile::encodeName(folder_.path()));
    setDefaultApplicationQuery([this](const QString&) {
        return hasApplication_ ? QStringLiteral("spreadsheet.desktop") : QString();
    });
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "open");
}

PrintoutDesktop::~PrintoutDesktop()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    setDefaultApplicationQuery({});
    setSpreadsheetFactory({});
    if (hadTmpDir_)
        qputenv("TMPDIR", savedTmpDir_);
    else
        qunsetenv("TMPDIR");
}

void PrintoutDesktop::removeFolder()
{
    qputenv("TMPDIR", QFile::encodeName(folder_.filePath(QStringLiteral("missing/folder"))));
}

QStringList PrintoutDesktop::files() const
{
    return QDir(folder_.path()).entryList(QDir::Files, QDir::Name);
}

QJsonObject readXlsx(const QString& path)
{
    // Debian's interpreter, which python3-openpyxl is installed for, whatever
    // other python3 comes first on the PATH.
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(SOURCE_DIR "/tests/history/read_xlsx.py"), path});
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0) {
        ADD_FAILURE() << "read_xlsx.py failed: " << reader.readAllStandardError().toStdString();
        return {};
    }
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}
