#include "history/xlsx_spreadsheet.h"

#include "history/desktop_opener.h"
#include "startup/terminal_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <xlsxwriter.h>

namespace {

const QString SpreadsheetMimeType = QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet");

// The automation values the printout uses for borders.
constexpr int LineStyleContinuous = 1;
constexpr int LineStyleNone = -4142;
constexpr int WeightHairline = 1;
constexpr int WeightThin = 2;
constexpr int WeightMedium = -4138;
constexpr int WeightThick = 4;
// 0 is what the printout passes; both leave the colour to the application.
constexpr int ColourIndexZero = 0;
constexpr int ColourIndexAutomatic = -4105;
constexpr uint8_t NoBorder = LXW_BORDER_NONE;

struct FreeWorkbook {
    void operator()(lxw_workbook* workbook) const noexcept { lxw_workbook_free(workbook); }
};
using Workbook = std::unique_ptr<lxw_workbook, FreeWorkbook>;

int columnNumber(const QString& letters)
{
    int number = 0;
    for (const QChar letter : letters)
        number = number * 26 + (letter.unicode() - u'A' + 1);
    return number;
}

XlsxSpreadsheet::Range parseRange(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Z]{1,3})([1-9][0-9]{0,6}):([A-Z]{1,3})([1-9][0-9]{0,6})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        throw TerminalError(QStringLiteral("The printout has no cell range \"%1\".").arg(text));
    XlsxSpreadsheet::Range range {match.captured(2).toInt(), columnNumber(match.captured(1)), match.captured(4).toInt(),
                                  columnNumber(match.captured(3))};
    if (range.lastRow < range.firstRow || range.lastColumn < range.firstColumn)
        throw TerminalError(QStringLiteral("The printout has no cell range \"%1\".").arg(text));
    return range;
}

void requireCell(int row, int column)
{
    if (row < 1 || row > static_cast<int>(LXW_ROW_MAX) || column < 1 || column > static_cast<int>(LXW_COL_MAX))
        throw TerminalError(QStringLiteral("The printout has no cell at row %1, column %2.").arg(row).arg(column));
}

uint8_t borderStyle(const XlsxSpreadsheet::Borders& borders)
{
    if (!borders.drawn)
        return NoBorder;
    switch (borders.weight) {
    case WeightHairline:
        return LXW_BORDER_HAIR;
    case WeightMedium:
        return LXW_BORDER_MEDIUM;
    case WeightThick:
        return LXW_BORDER_THICK;
    default:
        return LXW_BORDER_THIN;
    }
}

// Formats belong to the workbook; each combination is made once.
class Formats {
public:
    explicit Formats(lxw_workbook* workbook) : workbook_(workbook) {}

    lxw_format* get(bool bold, uint8_t border)
    {
        if (!bold && border == NoBorder)
            return nullptr;
        lxw_format*& format = made_[{bold, border}];
        if (!format) {
            format = workbook_add_format(workbook_);
            if (!format)
                throw std::bad_alloc();
            if (bold)
                format_set_bold(format);
            if (border != NoBorder)
                format_set_border(format, border);
        }
        return format;
    }

private:
    lxw_workbook* workbook_;
    std::map<std::pair<bool, uint8_t>, lxw_format*> made_;
};

// Removes the file unless told to keep it.
class FileGuard {
public:
    explicit FileGuard(QString path) : path_(std::move(path)) {}
    ~FileGuard()
    {
        if (!path_.isEmpty())
            QFile::remove(path_);
    }
    FileGuard(const FileGuard&) = delete;
    FileGuard& operator=(const FileGuard&) = delete;
    void keep() { path_.clear(); }

private:
    QString path_;
};

// A new file with a name no other printout has, readable by its owner only,
// so that a printout still open in the spreadsheet application is never
// written over.
QString reserveFile()
{
    // Qt gives an empty path when TMPDIR names no folder; the file would
    // then land in the root folder.
    const QString folder = QDir::tempPath();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        throw TerminalError(QStringLiteral("The printout cannot be written: the temporary folder %1 does not exist.")
                                .arg(qEnvironmentVariable("TMPDIR")));
    QTemporaryFile file(folder + QStringLiteral("/order-XXXXXX.xlsx"));
    file.setAutoRemove(false);
    if (!file.open())
        throw TerminalError(QStringLiteral("The printout cannot be written to %1: %2").arg(folder, file.errorString()));
    return file.fileName();
}

void check(lxw_error error, const QString& path)
{
    if (error != LXW_NO_ERROR)
        throw TerminalError(QStringLiteral("The printout cannot be written to %1: %2").arg(path, QString::fromUtf8(lxw_strerror(error))));
}

} // namespace

void XlsxSpreadsheet::setColumnWidth(int column, int width)
{
    requireCell(1, column);
    widths_[column] = width;
}

void XlsxSpreadsheet::merge(const QString& range)
{
    merges_.push_back(parseRange(range));
}

void XlsxSpreadsheet::setRowBold(int row, bool bold)
{
    requireCell(row, 1);
    if (bold)
        boldRows_.insert(row);
    else
        boldRows_.erase(row);
}

void XlsxSpreadsheet::setCell(int row, int column, const QVariant& value)
{
    requireCell(row, column);
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::Double:
    case QMetaType::QString:
        break;
    default:
        throw TerminalError(QStringLiteral("The printout cannot hold a value of type %1.").arg(QString::fromLatin1(value.typeName())));
    }
    formulas_.erase({row, column});
    values_[{row, column}] = value;
}

void XlsxSpreadsheet::setFormula(int row, int column, const QString& formula)
{
    requireCell(row, column);
    values_.erase({row, column});
    formulas_[{row, column}] = formula;
}

void XlsxSpreadsheet::setBorders(const QString& text, Border property, int value)
{
    const Range range = parseRange(text);
    const auto refuse = [&] {
        return TerminalError(QStringLiteral("The printout cannot draw borders with the value %1.").arg(value));
    };
    switch (property) {
    case Border::LineStyle:
        if (value != LineStyleContinuous && value != LineStyleNone)
            throw refuse();
        break;
    case Border::Weight:
        if (value != WeightHairline && value != WeightThin && value != WeightMedium && value != WeightThick)
            throw refuse();
        break;
    case Border::ColorIndex:
        if (value != ColourIndexZero && value != ColourIndexAutomatic)
            throw refuse();
        break;
    }
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        for (int column = range.firstColumn; column <= range.lastColumn; ++column) {
            Borders& borders = borders_[{row, column}];
            // As in the spreadsheet application, giving a weight draws the line.
            if (property == Border::LineStyle)
                borders.drawn = value == LineStyleContinuous;
            else if (property == Border::Weight) {
                borders.drawn = true;
                borders.weight = value;
            }
        }
    }
}

double XlsxSpreadsheet::formulaResult(const QString& formula) const
{
    // The file carries the result with the formula, for applications that
    // show it without recalculating; SUM over a range is what the printout uses.
    static const QRegularExpression sum(QStringLiteral("^=SUM\\(([A-Z0-9:]+)\\)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = sum.match(formula);
    if (!match.hasMatch())
        throw TerminalError(QStringLiteral("The printout cannot work out the formula %1.").arg(formula));
    const Range range = parseRange(match.captured(1).toUpper());
    double total = 0;
    for (const auto& [cell, value] : values_) {
        const auto [row, column] = cell;
        if (row < range.firstRow || row > range.lastRow || column < range.firstColumn || column > range.lastColumn)
            continue;
        if (value.typeId() != QMetaType::QString)
            total += value.toDouble();
    }
    for (const auto& [cell, other] : formulas_) {
        const auto [row, column] = cell;
        if (row >= range.firstRow && row <= range.lastRow && column >= range.firstColumn && column <= range.lastColumn)
            throw TerminalError(QStringLiteral("The printout cannot work out the formula %1.").arg(formula));
    }
    return total;
}

void XlsxSpreadsheet::write(const QString& path) const
{
    Workbook workbook(workbook_new(QFile::encodeName(path).constData()));
    if (!workbook)
        throw std::bad_alloc();
    lxw_worksheet* sheet = workbook_add_worksheet(workbook.get(), nullptr);
    if (!sheet)
        throw std::bad_alloc();
    Formats formats(workbook.get());
    const auto formatOf = [&](int row, int column) {
        const auto borders = borders_.find({row, column});
        return formats.get(boldRows_.contains(row), borders == borders_.end() ? NoBorder : borderStyle(borders->second));
    };

    for (const auto& [column, width] : widths_)
        check(worksheet_set_column(sheet, column - 1, column - 1, width, nullptr), path);
    for (const int row : boldRows_)
        check(worksheet_set_row(sheet, row - 1, LXW_DEF_ROW_HEIGHT, formats.get(true, NoBorder)), path);
    // Merging writes blanks over the range; the first cell's value follows.
    for (const Range& r : merges_)
        check(worksheet_merge_range(sheet, r.firstRow - 1, r.firstColumn - 1, r.lastRow - 1, r.lastColumn - 1, "",
                                    formatOf(r.firstRow, r.firstColumn)),
              path);

    std::set<Cell> cells;
    for (const auto& entry : values_)
        cells.insert(entry.first);
    for (const auto& entry : formulas_)
        cells.insert(entry.first);
    for (const auto& [cell, borders] : borders_)
        if (borders.drawn)
            cells.insert(cell);
    for (const auto& [row, column] : cells) {
        lxw_format* format = formatOf(row, column);
        const lxw_row_t r = row - 1;
        const lxw_col_t c = static_cast<lxw_col_t>(column - 1);
        lxw_error error = LXW_NO_ERROR;
        if (const auto formula = formulas_.find({row, column}); formula != formulas_.end()) {
            error = worksheet_write_formula_num(sheet, r, c, formula->second.toUtf8().constData(), format,
                                                formulaResult(formula->second));
        } else if (const auto value = values_.find({row, column}); value != values_.end()) {
            if (value->second.typeId() == QMetaType::QString)
                error = worksheet_write_string(sheet, r, c, value->second.toString().toUtf8().constData(), format);
            else
                error = worksheet_write_number(sheet, r, c, value->second.toDouble(), format);
        } else {
            error = worksheet_write_blank(sheet, r, c, format);
        }
        check(error, path);
    }
    // Closing writes the file and frees the workbook, also when it fails.
    check(workbook_close(workbook.release()), path);
}

void XlsxSpreadsheet::show()
{
    requireDesktopApplication(SpreadsheetMimeType);
    const QString path = reserveFile();
    FileGuard guard(path);
    write(path);
    openInDesktopApplication(path);
    guard.keep();
}
