// An item model over a local table for the grids: one row per live record,
// the configured columns formatted for display, and the table's current row
// passed on so a grid can mark it. Detached from its table, the model stays
// silent, so moving the table's cursor for a search does not move the grids.
#pragma once

#include "order/localtable/local_table.h"

#include <QAbstractTableModel>
#include <QList>
#include <QMetaObject>
#include <QPointer>

struct LocalTableColumn {
    QString field;  // stored or calculated column of the table
    QString title;  // header text
    QString format; // number pattern for formatNumber; empty for text and general numbers
};

class LocalTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit LocalTableModel(QObject* parent = nullptr);

    // Attaches the model to the table (or to none).
    void setTable(LocalTable* table);
    LocalTable* table() const { return table_; }
    void setColumns(const QList<LocalTableColumn>& columns);

    // While detached nothing is signalled; attaching shows the table as it
    // is then, and its current row. When only the current row moved
    // meanwhile (a search), the views are told just that, not reset.
    void detach();
    void attach();
    bool isAttached() const { return attached_; }

    // The table's current row, -1 when there is none or while detached.
    int currentRow() const;
    // A row chosen in a grid becomes the table's current row.
    void setCurrentRow(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    void currentRowChanged(int row);

private:
    void connectTable();
    void watchWhileDetached();
    void disconnectTable();
    void refresh();

    QPointer<LocalTable> table_;
    QList<LocalTableColumn> columns_;
    bool attached_ = false;
    // Rows or values changed while detached: attaching resets the views.
    bool stale_ = true;
    int rows_ = 0; // the row count the views were last told
    QList<QMetaObject::Connection> connections_;
};

// Keeps a model detached for a scope, so that grids do not follow a search
// or a batch of changes row by row; attached again however the scope ends.
class DetachedView {
public:
    explicit DetachedView(LocalTableModel& model) : model_(model) { model_.detach(); }
    ~DetachedView() { model_.attach(); }
    DetachedView(const DetachedView&) = delete;
    DetachedView& operator=(const DetachedView&) = delete;

private:
    LocalTableModel& model_;
};
