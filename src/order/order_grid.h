// The order grid of both order screens: the rows of the order table, no
// title row, a narrow indicator column marking the current row, vertical
// column lines only. It follows the table's current row, and a row touched
// in it becomes the current row.
#pragma once

#include <QTableView>

class LocalTableModel;

class OrderGrid : public QTableView {
    Q_OBJECT

public:
    OrderGrid(QWidget* parent, LocalTableModel& source, const QList<int>& columnWidths);

    // White while an order is open, button-face grey while none is.
    void setBackground(const QColor& colour);

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

private:
    void followCurrentRow(int row);
    void updateIndicator(int row);

    LocalTableModel& source_;
    // Column widths survive the model's resets, which would otherwise put
    // every column back to the default width.
    QList<int> widths_;
    // The row the indicator was last drawn at.
    int markedRow_ = -1;
};
