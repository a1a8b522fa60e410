#include "order/localtable/local_row.h"

#include "order/localtable/dbf_format.h"
#include "order/localtable/local_table.h"
#include "startup/codepages.h"
#include "startup/terminal_error.h"

LocalRow::LocalRow(const LocalTable& table, const char* record)
    : table_(&table)
    , record_(record)
{
}

qint64 LocalRow::asInteger(const QString& column) const
{
    if (const auto* handler = table_->calculatedColumn(column)) {
        const std::optional<qint64> value = dbf::integerPart((*handler)(*this));
        if (!value)
            throw TerminalError(QStringLiteral("The column %1 of the table %2 is no integer.").arg(column, table_->path()));
        return *value;
    }
    const DbfColumn& field = stored(column);
    const QByteArray text = numberText(field);
    if (text.isEmpty())
        return 0;
    const std::optional<qint64> value = dbf::parseInteger(text);
    if (!value)
        notANumber(field);
    return *value;
}

double LocalRow::asDouble(const QString& column) const
{
    if (const auto* handler = table_->calculatedColumn(column))
        return (*handler)(*this);
    const DbfColumn& field = stored(column);
    const QByteArray text = numberText(field);
    if (text.isEmpty())
        return 0;
    const std::optional<double> value = dbf::parseNumber(text);
    if (!value)
        notANumber(field);
    return *value;
}

QString LocalRow::asText(const QString& column) const
{
    if (const auto* handler = table_->calculatedColumn(column))
        return QString::number((*handler)(*this), 'g', 15);
    const DbfColumn& field = stored(column);
    if (field.type == 'C')
        return decodeText(table_->codePage(), dbf::trimCharacter(record_ + field.offset, field.length));
    return QString::fromLatin1(numberText(field));
}

QVariant LocalRow::value(const QString& column) const
{
    if (const auto* handler = table_->calculatedColumn(column))
        return (*handler)(*this);
    const DbfColumn& field = stored(column);
    if (numberText(field).isEmpty())
        return {};
    if (field.type == 'C')
        return asText(column);
    if (field.decimals == 0)
        return asInteger(column);
    return asDouble(column);
}

const DbfColumn& LocalRow::stored(const QString& column) const
{
    if (const DbfColumn* field = table_->storedColumn(column))
        return *field;
    throw TerminalError(QStringLiteral("The table %1 has no column %2.").arg(table_->path(), column));
}

QByteArray LocalRow::numberText(const DbfColumn& column) const
{
    return dbf::trimNumber(record_ + column.offset, column.length);
}

void LocalRow::notANumber(const DbfColumn& column) const
{
    throw TerminalError(QStringLiteral("The column %1 of the table %2 holds no number: \"%3\".")
                            .arg(column.name, table_->path(), QString::fromLatin1(numberText(column))));
}
