#include "order/localtable/local_table_model.h"

#include "order/localtable/local_table.h"
#include "order/localtable/number_format.h"
#include "startup/terminal_error.h"

LocalTableModel::LocalTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void LocalTableModel::setTable(LocalTable* table)
{
    disconnectTable();
    table_ = table;
    attached_ = false;
    stale_ = true;
    attach();
}

void LocalTableModel::setColumns(const QList<LocalTableColumn>& columns)
{
    beginResetModel();
    columns_ = columns;
    endResetModel();
}

void LocalTableModel::detach()
{
    if (!attached_)
        return;
    disconnectTable();
    attached_ = false;
    stale_ = false;
    watchWhileDetached();
}

void LocalTableModel::attach()
{
    if (attached_)
        return;
    disconnectTable();
    attached_ = true;
    connectTable();
    if (stale_)
        refresh();
    else
        Q_EMIT currentRowChanged(currentRow());
}

int LocalTableModel::currentRow() const
{
    return attached_ && table_ ? table_->currentRow() : -1;
}

void LocalTableModel::setCurrentRow(int row)
{
    if (attached_ && table_ && table_->isOpen() && row >= 0 && row < table_->LiveRowCount()
        && row != table_->currentRow())
        table_->setCurrentRow(row);
}

int LocalTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int LocalTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant LocalTableModel::data(const QModelIndex& index, int role) const
{
    // The table may have changed while the model was detached; rows it no
    // longer has show nothing until the model is attached again.
    if (!table_ || !table_->isOpen() || !index.isValid() || index.row() >= table_->LiveRowCount()
        || index.column() >= columns_.size())
        return {};
    if (role != Qt::DisplayRole && role != Qt::TextAlignmentRole)
        return {};
    const LocalTableColumn& column = columns_.at(index.column());
    QVariant value;
    try {
        value = table_->row(index.row()).value(column.field);
    } catch (const TerminalError&) {
        // Called from the views' painting, which an exception must not
        // cross: a column that cannot be read shows empty.
        return {};
    }
    const bool number = !value.isNull() && value.typeId() != QMetaType::QString;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    return number ? QVariant(formatNumber(value.toDouble(), column.format)) : value;
}

QVariant LocalTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section >= 0 && section < columns_.size())
        return columns_.at(section).title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

void LocalTableModel::connectTable()
{
    if (!table_)
        return;
    connections_ = {
        connect(table_, &LocalTable::rowsAboutToChange, this, [this] { beginResetModel(); }),
        connect(table_, &LocalTable::rowsChanged, this,
                [this] {
                    rows_ = table_->LiveRowCount();
                    endResetModel();
                }),
        connect(table_, &LocalTable::rowChanged, this,
                [this](int row) {
                    if (row < rows_ && !columns_.isEmpty())
                        Q_EMIT dataChanged(index(row, 0), index(row, static_cast<int>(columns_.size()) - 1));
                }),
        connect(table_, &LocalTable::currentRowChanged, this, [this](int row) { Q_EMIT currentRowChanged(row); }),
        connect(table_, &QObject::destroyed, this, [this] { refresh(); }),
    };
}

void LocalTableModel::watchWhileDetached()
{
    if (!table_)
        return;
    const auto markStale = [this] { stale_ = true; };
    connections_ = {
        connect(table_, &LocalTable::rowsAboutToChange, this, markStale),
        connect(table_, &LocalTable::rowChanged, this, markStale),
        connect(table_, &QObject::destroyed, this, markStale),
    };
}

void LocalTableModel::disconnectTable()
{
    for (const QMetaObject::Connection& connection : std::as_const(connections_))
        disconnect(connection);
    connections_.clear();
}

void LocalTableModel::refresh()
{
    beginResetModel();
    rows_ = table_ && table_->isOpen() ? table_->LiveRowCount() : 0;
    endResetModel();
    Q_EMIT currentRowChanged(currentRow());
}
