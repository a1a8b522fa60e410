#include "startup/scaling.h"

#include <QHeaderView>
#include <QTableView>
#include <QWidget>
#include <vector>

namespace {

QRect scaled(const QRect& r, ScaleFactor f)
{
    return QRect(f.apply(r.x()), f.apply(r.y()), f.apply(r.width()), f.apply(r.height()));
}

// Grid columns and rows are sized by the grid, not by child widgets.
void scaleGridSections(QTableView& grid, ScaleFactor f)
{
    // The default size first: setting it puts every section back to it.
    QHeaderView* columns = grid.horizontalHeader();
    QList<int> widths;
    for (int i = 0; i < columns->count(); ++i)
        widths << columns->sectionSize(i);
    columns->setDefaultSectionSize(f.apply(columns->defaultSectionSize()));
    for (int i = 0; i < widths.size(); ++i)
        columns->resizeSection(i, f.apply(widths.at(i)));
    QHeaderView* rows = grid.verticalHeader();
    rows->setDefaultSectionSize(f.apply(rows->defaultSectionSize()));
    if (rows->isVisible())
        rows->setFixedWidth(f.apply(rows->width()));
}

} // namespace

void scaleWindow(QWidget& window, ScaleFactor factor)
{
    if (factor.isIdentity())
        return;
    QList<QWidget*> descendants = window.findChildren<QWidget*>();
    // Windows owned by this one are scaled on their own.
    descendants.removeIf([&window](QWidget* child) { return child->window() != &window; });

    // Fonts are taken as they are now, before any is changed, so that a
    // child inheriting its parent's font is not scaled twice.
    std::vector<std::pair<QWidget*, QFont>> fonts;
    fonts.reserve(descendants.size() + 1);
    fonts.emplace_back(&window, window.font());
    for (QWidget* child : descendants)
        fonts.emplace_back(child, child->font());
    for (auto& [widget, font] : fonts) {
        if (font.pixelSize() > 0)
            font.setPixelSize(factor.apply(font.pixelSize()));
        else if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * factor.value());
        widget->setFont(font);
    }

    for (QWidget* child : descendants) {
        child->setGeometry(scaled(child->geometry(), factor));
        if (auto* grid = qobject_cast<QTableView*>(child))
            scaleGridSections(*grid, factor);
    }

    const QSize size(factor.apply(window.width()), factor.apply(window.height()));
    if (window.minimumSize() == window.maximumSize())
        window.setFixedSize(size);
    else
        window.resize(size);
}
