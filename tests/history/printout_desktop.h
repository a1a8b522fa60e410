// A stand-in desktop for printout tests: printouts go to a folder of the
// test's own, the default-application query answers as the test says, and a
// file the desktop is asked to open is recorded instead of opened. Reading a
// written .xlsx back goes through openpyxl.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

class OpenedFiles : public QObject {
    Q_OBJECT

public:
    QStringList paths;

public Q_SLOTS:
    void open(const QUrl& url) { paths << url.toLocalFile(); }
};

class PrintoutDesktop {
public:
    PrintoutDesktop();
    ~PrintoutDesktop();
    PrintoutDesktop(const PrintoutDesktop&) = delete;
    PrintoutDesktop& operator=(const PrintoutDesktop&) = delete;

    // Whether an application is set up for spreadsheets; true at first.
    void setHasApplication(bool has) { hasApplication_ = has; }
    // Points the temporary folder at a path that does not exist.
    void removeFolder();

    // The files in the printout folder.
    QStringList files() const;
    QString folder() const { return folder_.path(); }

    OpenedFiles opened;

private:
    QTemporaryDir folder_;
    QByteArray savedTmpDir_;
    bool hadTmpDir_;
    bool hasApplication_ = true;
};

// What read_xlsx.py reports of the first sheet of the file.
QJsonObject readXlsx(const QString& path);
