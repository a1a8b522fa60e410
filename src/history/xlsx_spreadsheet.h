// The spreadsheet as an .xlsx file: the calls build the sheet in memory, and
// show() writes it under a new unique name in the system's temporary folder
// and opens it in the desktop's spreadsheet application. A file that cannot
// be written or opened is removed again and the failure thrown.
#pragma once

#include "history/spreadsheet.h"

#include <map>
#include <set>
#include <utility>
#include <vector>

class XlsxSpreadsheet final : public Spreadsheet {
public:
    void setColumnWidth(int column, int width) override;
    void merge(const QString& range) override;
    void setRowBold(int row, bool bold) override;
    void setCell(int row, int column, const QVariant& value) override;
    void setFormula(int row, int column, const QString& formula) override;
    void setBorders(const QString& range, Border property, int value) override;
    void show() override;

    // A rectangle of cells, counted from 1.
    struct Range {
        int firstRow, firstColumn, lastRow, lastColumn;
    };
    // The borders of one cell, in the automation values.
    struct Borders {
        bool drawn = false;
        int weight = 2;
    };

private:
    using Cell = std::pair<int, int>; // row, column

    double formulaResult(const QString& formula) const;
    void write(const QString& path) const;

    std::map<int, int> widths_;
    std::vector<Range> merges_;
    std::set<int> boldRows_;
    std::map<Cell, QVariant> values_;
    std::map<Cell, QString> formulas_;
    std::map<Cell, Borders> borders_;
};
