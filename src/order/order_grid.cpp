#include "order/order_grid.h"

#include "order/localtable/local_table_model.h"
#include "startup/application.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Vertical lines between the columns, none between the rows.
class VerticalLinesDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->restore();
    }
};

// The indicator column: a small triangle beside the current row.
class RowIndicator : public QHeaderView {
public:
    RowIndicator(QWidget* parent, const LocalTableModel& source)
        : QHeaderView(Qt::Vertical, parent), source_(source)
    {
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override
    {
        painter->fillRect(rect, palette().color(QPalette::Button));
        painter->setPen(palette().color(QPalette::Mid));
        painter->drawLine(rect.topRight(), rect.bottomRight());
        if (logicalIndex != source_.currentRow())
            return;
        const int size = std::min(rect.width(), rect.height()) / 2;
        const QPoint centre = rect.center();
        const QPolygon triangle({QPoint(centre.x() - size / 2, centre.y() - size / 2),
                                 QPoint(centre.x() + size / 2, centre.y()),
                                 QPoint(centre.x() - size / 2, centre.y() + size / 2)});
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setBrush(palette().color(QPalette::WindowText));
        painter->setPen(Qt::NoPen);
        painter->drawPolygon(triangle);
    }

private:
    const LocalTableModel& source_;
};

} // namespace

OrderGrid::OrderGrid(QWidget* parent, LocalTableModel& source, const QList<int>& columnWidths)
    : QTableView(parent), source_(source)
{
    setObjectName(QStringLiteral("GridKassa"));
    setModel(&source);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFrameShape(QFrame::NoFrame);
    setShowGrid(false);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new VerticalLinesDelegate(this));
    horizontalHeader()->hide();
    setVerticalHeader(new RowIndicator(this, source));
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setFixedWidth(11);
    verticalHeader()->setDefaultSectionSize(17);
    for (int column = 0; column < columnWidths.size(); ++column)
        setColumnWidth(column, columnWidths.at(column));
    setAutoFillBackground(true);

    connectHandler(&source, &LocalTableModel::currentRowChanged, this, &OrderGrid::followCurrentRow);
    connectHandler(&source, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        widths_.clear();
        for (int column = 0; column < model()->columnCount(); ++column)
            widths_ << columnWidth(column);
    });
    connectHandler(&source, &QAbstractItemModel::modelReset, this, [this] {
        for (int column = 0; column < widths_.size(); ++column)
            setColumnWidth(column, widths_.at(column));
        followCurrentRow(source_.currentRow());
    });
    connectHandler(this, &QTableView::clicked, this, [this](const QModelIndex& index) { source_.setCurrentRow(index.row()); });
}

void OrderGrid::followCurrentRow(int row)
{
    if (row >= 0)
        scrollTo(model()->index(row, 0));
    // The indicator leaves the row it marked for the new one; the rest of
    // the column stays as it is.
    updateIndicator(markedRow_);
    updateIndicator(row);
    markedRow_ = row;
}

void OrderGrid::updateIndicator(int row)
{
    QHeaderView* indicator = verticalHeader();
    if (row < 0 || row >= indicator->count())
        return;
    indicator->viewport()->update(0, indicator->sectionViewportPosition(row), indicator->viewport()->width(),
                                  indicator->sectionSize(row));
}

// Qt repaints the whole grid for a change spanning several cells; a change
// within one row, a quantity with its sum, repaints that row alone, which
// keeps a tile press cheap on a long order.
void OrderGrid::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles)
{
    if (!topLeft.isValid() || topLeft.row() != bottomRight.row()) {
        QTableView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    const int row = topLeft.row();
    viewport()->update(0, rowViewportPosition(row), viewport()->width(), rowHeight(row));
}

void OrderGrid::setBackground(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}
