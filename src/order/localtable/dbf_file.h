// The open file beneath a local table: one POSIX descriptor, closed by its
// owner on every path. Failures raise FileError with the file layer's text.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class DbfFile {
public:
    enum class Mode {
        ReadOnly,
        ReadWrite,
        Replace, // created, or emptied when it exists
    };

    DbfFile() = default;
    DbfFile(const QString& path, Mode mode);
    DbfFile(DbfFile&& other) noexcept;
    DbfFile& operator=(DbfFile&& other) noexcept;
    DbfFile(const DbfFile&) = delete;
    DbfFile& operator=(const DbfFile&) = delete;
    ~DbfFile();

    bool isOpen() const { return fd_ >= 0; }

    // Every byte the file holds now.
    QByteArray readAll() const;
    void writeAt(qint64 offset, QByteArrayView bytes);
    // Closes now, reporting an error that a late write may only show here.
    void close();

private:
    int fd_ = -1;
    QString path_;
};
