#include "history/order_printout.h"

#include "history/spreadsheet.h"
#include "history/time_formats.h"

#include <array>

namespace {
constexpr std::array ColumnWidths {4, 54, 11, 11, 11};
constexpr int HeadingRow = 1;
constexpr int FirstLineRow = 3;
constexpr int SumColumn = 5;
constexpr int ContinuousLine = 1;
constexpr int ThinLine = 2;
constexpr int AutomaticColour = 0;
} // namespace

QString printoutHeading(const QString& login, const QDateTime& when, const QLocale& locale)
{
    return QStringLiteral("<< %1 >>   %2 / %3%4%5")
        .arg(login, when.toString(QStringLiteral("dd.MM.yyyy")), when.toString(QStringLiteral("HH")),
             timeSeparator(locale), when.toString(QStringLiteral("mm")));
}

QStringList noteLines(const QString& text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void printOrder(Spreadsheet& sheet, const OrderPrintout& printout)
{
    for (int column = 1; column <= static_cast<int>(ColumnWidths.size()); ++column)
        sheet.setColumnWidth(column, ColumnWidths[column - 1]);
    sheet.merge(QStringLiteral("A1:E1"));
    sheet.setRowBold(HeadingRow, true);
    sheet.setCell(HeadingRow, 1, printout.heading);

    int row = FirstLineRow;
    for (const PrintedLine& line : printout.lines) {
        sheet.setCell(row, 1, row - 2);
        sheet.setCell(row, 2, line.name);
        sheet.setCell(row, 3, line.price);
        sheet.setCell(row, 4, line.quantity);
        sheet.setCell(row, 5, line.sum);
        ++row;
    }

    // Row 2 is in the sum and the borders too: it is empty, and it frames the table.
    const QString lastLineRow = QString::number(row - 1);
    sheet.setRowBold(row, true);
    sheet.setFormula(row, SumColumn, QStringLiteral("=SUM(E2:E%1)").arg(lastLineRow));
    const QString table = QStringLiteral("A2:E%1").arg(lastLineRow);
    sheet.setBorders(table, Spreadsheet::Border::LineStyle, ContinuousLine);
    sheet.setBorders(table, Spreadsheet::Border::Weight, ThinLine);
    sheet.setBorders(table, Spreadsheet::Border::ColorIndex, AutomaticColour);

    row += 2;
    for (const QString& line : printout.note) {
        sheet.merge(QStringLiteral("A%1:E%1").arg(row));
        sheet.setCell(row, 1, line);
        ++row;
    }
    sheet.show();
}
