// An item model that shows the rows of an open query in a grid: the chosen
// fields as columns, dates, times and amounts in the locale's formats, the
// column titles in blue.
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QVariant>
#include <vector>

class Query;

struct QueryGridColumn {
    enum class Kind { Date, Time, Number };
    QString field;
    QString title;
    Kind kind;
};

class QueryGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit QueryGridModel(QObject* parent = nullptr);

    void setColumns(const QList<QueryGridColumn>& columns);
    // Shows every row of the open query and leaves it on its first row.
    void load(Query& query);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<QueryGridColumn> columns_;
    // The values of the shown fields; an invalid value is NULL.
    std::vector<std::vector<QVariant>> rows_;
};
