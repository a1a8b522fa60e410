// Reading and checking the header of a dBase table file before any record is
// touched, so that a damaged or foreign file is rejected with a clear message
// instead of leading to reads outside the file.
#pragma once

#include "startup/codepages.h"

#include <QByteArray>
#include <QString>
#include <vector>

struct DbfColumn {
    QString name; // upper case
    char type = 'C';
    int length = 0;
    int decimals = 0;
    int offset = 0; // in the record, after the deletion flag
};

struct DbfHeader {
    QByteArray bytes; // the whole header as read, up to the header length
    int headerLength = 0;
    int recordLength = 0;
    qint64 recordCount = 0; // what the file size holds, not the stored count
    CodePage codePage = CodePage::Cp1251;
    std::vector<DbfColumn> columns;

    // The stored record count and last-update date, in the header bytes.
    void setRecordCount(qint64 count);
    void setUpdateDate(int year, int month, int day);
};

// Reads the header from the start of the file's bytes; path names the file
// in messages. Throws TerminalError when the bytes are no usable table.
DbfHeader parseDbfHeader(const QByteArray& file, const QString& path);
