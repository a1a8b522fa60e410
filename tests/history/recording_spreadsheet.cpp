#include "history/recording_spreadsheet.h"

#include "startup/terminal_error.h"

namespace {
QString typed(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
        return QStringLiteral("int %1").arg(value.toInt());
    case QMetaType::Double:
        return QStringLiteral("double %1").arg(value.toDouble(), 0, 'g', 17);
    case QMetaType::QString:
        return QStringLiteral("string \"%1\"").arg(value.toString());
    default:
        return QStringLiteral("%1 %2").arg(QString::fromLatin1(value.typeName()), value.toString());
    }
}

QString borderName(Spreadsheet::Border property)
{
    switch (property) {
    case Spreadsheet::Border::LineStyle:
        return QStringLiteral("LineStyle");
    case Spreadsheet::Border::Weight:
        return QStringLiteral("Weight");
    case Spreadsheet::Border::ColorIndex:
        return QStringLiteral("ColorIndex");
    }
    return {};
}
} // namespace

RecordingSpreadsheet::RecordingSpreadsheet(std::shared_ptr<QStringList> log, int refusedCall)
    : log_(std::move(log)), refusedCall_(refusedCall)
{
}

RecordingSpreadsheet::~RecordingSpreadsheet()
{
    *log_ << QStringLiteral("Release");
}

void RecordingSpreadsheet::record(const QString& call)
{
    if (calls_++ == refusedCall_)
        throw TerminalError(QLatin1String(RefusalText));
    *log_ << call;
}

void RecordingSpreadsheet::setColumnWidth(int column, int width)
{
    record(QStringLiteral("Columns(%1).ColumnWidth = int %2").arg(column).arg(width));
}

void RecordingSpreadsheet::merge(const QString& range)
{
    record(QStringLiteral("Range(%1).Merge").arg(range));
}

void RecordingSpreadsheet::setRowBold(int row, bool bold)
{
    record(QStringLiteral("Rows(%1).Font.Bold = %2").arg(row).arg(bold ? QStringLiteral("true") : QStringLiteral("false")));
}

void RecordingSpreadsheet::setCell(int row, int column, const QVariant& value)
{
    record(QStringLiteral("Cells(%1, %2) = %3").arg(row).arg(column).arg(typed(value)));
}

void RecordingSpreadsheet::setFormula(int row, int column, const QString& formula)
{
    record(QStringLiteral("Cells(%1, %2).Formula = %3").arg(row).arg(column).arg(formula));
}

void RecordingSpreadsheet::setBorders(const QString& range, Border property, int value)
{
    record(QStringLiteral("Range(%1).Borders.%2 = int %3").arg(range, borderName(property)).arg(value));
}

void RecordingSpreadsheet::show()
{
    record(QStringLiteral("Visible = true"));
}

SpreadsheetFactory recordingFactory(std::shared_ptr<QStringList> log, int refusedCall)
{
    return [log, refusedCall] { return std::make_unique<RecordingSpreadsheet>(log, refusedCall); };
}
