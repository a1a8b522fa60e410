// Helpers of the local table tests: a throwaway folder for table files and
// the order rows the terminal appends.
#pragma once

#include "order/localtable/dbf_format.h"
#include "order/localtable/local_table.h"
#include "startup/file_io.h"

#include <QDate>
#include <QTemporaryDir>

class TableFolder {
public:
    QString path(const QString& name = QStringLiteral("Kassa.dbf")) const { return dir_.filePath(name); }
    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("Kassa.dbf")) const
    {
        writeWholeFile(path(name), bytes);
        return path(name);
    }
    QString writeEmpty(const QString& name = QStringLiteral("Kassa.dbf")) const { return write(emptyTableBytes(), name); }
    QByteArray read(const QString& name = QStringLiteral("Kassa.dbf")) const { return readWholeFile(path(name)); }

private:
    QTemporaryDir dir_;
};

inline void openTable(LocalTable& table, const QString& path, bool readOnly = false)
{
    table.setPath(path);
    table.setReadOnly(readOnly);
    table.open();
}

inline void appendOrderRow(LocalTable& table, qint64 kod, const QString& name, double cena, double kolvo)
{
    table.append();
    table.setInteger(QStringLiteral("KOD"), kod);
    table.setText(QStringLiteral("NAME"), name);
    table.setDouble(QStringLiteral("CENA"), cena);
    table.setDouble(QStringLiteral("KOLVO"), kolvo);
    table.post();
}

// The date bytes a header written today carries.
inline QByteArray todayBytes()
{
    const QDate today = QDate::currentDate();
    const char bytes[] = {static_cast<char>(today.year() - 1900), static_cast<char>(today.month()),
                          static_cast<char>(today.day())};
    return QByteArray(bytes, 3);
}

inline quint32 storedRecordCount(const QByteArray& file)
{
    quint32 count = 0;
    for (int i = 3; i >= 0; --i)
        count = count << 8 | static_cast<unsigned char>(file.at(4 + i));
    return count;
}
