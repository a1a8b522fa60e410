// One record of a local table, read by column name. A row reads the table's
// memory directly, so it is valid only until the table next changes.
#pragma once

#include <QString>
#include <QVariant>

class LocalTable;
struct DbfColumn;

class LocalRow {
public:
    LocalRow(const LocalTable& table, const char* record);

    // Blank columns read as 0 and as the empty text.
    qint64 asInteger(const QString& column) const;
    double asDouble(const QString& column) const;
    QString asText(const QString& column) const;

    // A null value for a blank column; qint64 for integer columns, double
    // for numbers with decimals and calculated columns, text otherwise.
    QVariant value(const QString& column) const;

private:
    const DbfColumn& stored(const QString& column) const;
    QByteArray numberText(const DbfColumn& column) const;
    [[noreturn]] void notANumber(const DbfColumn& column) const;

    const LocalTable* table_;
    const char* record_;
};
