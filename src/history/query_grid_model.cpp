#include "history/query_grid_model.h"

#include "db/query.h"
#include "history/time_formats.h"
#include "order/localtable/number_format.h"

#include <QBrush>
#include <QLocale>

QueryGridModel::QueryGridModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void QueryGridModel::setColumns(const QList<QueryGridColumn>& columns)
{
    beginResetModel();
    columns_ = columns;
    rows_.clear();
    endResetModel();
}

void QueryGridModel::load(Query& query)
{
    // Read before the reset starts, so that a failure leaves the model as it was.
    std::vector<std::vector<QVariant>> rows;
    query.fetchAll();
    rows.reserve(query.recordCount());
    for (query.first(); !query.eof(); query.next()) {
        std::vector<QVariant> row;
        for (const QueryGridColumn& column : std::as_const(columns_)) {
            if (query.isNull(column.field)) {
                row.emplace_back();
                continue;
            }
            switch (column.kind) {
            case QueryGridColumn::Kind::Date:
                row.emplace_back(query.asDate(column.field));
                break;
            case QueryGridColumn::Kind::Time:
                row.emplace_back(query.asTime(column.field));
                break;
            case QueryGridColumn::Kind::Number:
                row.emplace_back(query.asDouble(column.field));
                break;
            }
        }
        rows.push_back(std::move(row));
    }
    query.first();
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int QueryGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int QueryGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant QueryGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const QueryGridColumn& column = columns_.at(index.column());
    if (role == Qt::TextAlignmentRole) {
        const Qt::Alignment side = column.kind == QueryGridColumn::Kind::Number ? Qt::AlignRight : Qt::AlignLeft;
        return QVariant::fromValue(Qt::AlignVCenter | side);
    }
    if (role != Qt::DisplayRole)
        return {};
    const QVariant& value = rows_[index.row()][index.column()];
    if (!value.isValid())
        return QString();
    const QLocale locale;
    switch (column.kind) {
    case QueryGridColumn::Kind::Date:
        return locale.toString(value.toDate(), QLocale::ShortFormat);
    case QueryGridColumn::Kind::Time:
        return locale.toString(value.toTime(), timeOfDayFormat(locale));
    case QueryGridColumn::Kind::Number:
        return formatNumber(value.toDouble());
    }
    return {};
}

QVariant QueryGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return columns_.at(section).title;
    if (role == Qt::ForegroundRole)
        return QBrush(Qt::blue);
    return QAbstractTableModel::headerData(section, orientation, role);
}
