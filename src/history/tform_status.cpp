#include "history/tform_status.h"

#include "startup/design.h"

#include <QHeaderView>
#include <QTableView>

namespace {
constexpr int GridWidth = 715;
constexpr int GridHeight = 473;
constexpr int NarrowColumns = 5;
constexpr int NarrowColumnWidth = 100;
} // namespace

TForm_Status::TForm_Status()
    : TerminalDialog(QStringLiteral("Статус заказов"), TitleButtons::CloseOnly)
{
    setObjectName(QStringLiteral("Form_Status"));
    setFont(windowDefaultFont());
    setDesignedSize(GridWidth, GridHeight);
    createControls();
}

void TForm_Status::createControls()
{
    using Kind = QueryGridColumn::Kind;
    DS_Status.setObjectName(QStringLiteral("DS_Status"));
    DS_Status.setColumns({
        {QStringLiteral("DATE_OPEN"), QStringLiteral("Дата заказа"), Kind::Date},
        {QStringLiteral("TIME_OPEN"), QStringLiteral("Время заказа"), Kind::Time},
        {QStringLiteral("DATE_STATUS"), QStringLiteral("Дата принятия"), Kind::Date},
        {QStringLiteral("TIME_STATUS"), QStringLiteral("Время принятия"), Kind::Time},
        {QStringLiteral("DATE_CLOSE"), QStringLiteral("Дата исполнения"), Kind::Date},
        {QStringLiteral("TIME_CLOSE"), QStringLiteral("Время исполнения"), Kind::Time},
        {QStringLiteral("KASSA"), QStringLiteral("Сумма"), Kind::Number},
    });
    JvDBGrid1 = placeControl<QTableView>(this, QStringLiteral("JvDBGrid1"), QRect(0, 0, GridWidth, GridHeight));
    JvDBGrid1->setModel(&DS_Status);
    JvDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    JvDBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int column = 0; column < NarrowColumns; ++column)
        JvDBGrid1->setColumnWidth(column, NarrowColumnWidth);
}

void TForm_Status::FormCreate()
{
    // This window is never scaled.
}
