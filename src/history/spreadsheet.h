// A new spreadsheet as the printout drives it: rows and columns counted from
// 1, ranges written like "A2:E5". Making the object starts a new workbook;
// show() hands it to the user, and destroying it lets go of it whether it
// was shown or not. Every call throws when the spreadsheet refuses it.
#pragma once

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

class Spreadsheet {
public:
    // The properties of the borders of a range, with their automation values
    // (line style 1 continuous; weight 2 thin; colour index 0).
    enum class Border { LineStyle, Weight, ColorIndex };

    virtual ~Spreadsheet() = default;

    // Width in the spreadsheet's character units.
    virtual void setColumnWidth(int column, int width) = 0;
    virtual void merge(const QString& range) = 0;
    virtual void setRowBold(int row, bool bold) = 0;
    // value is an int, a double or a QString.
    virtual void setCell(int row, int column, const QVariant& value) = 0;
    // A formula such as "=SUM(E2:E5)".
    virtual void setFormula(int row, int column, const QString& formula) = 0;
    // Every border of every cell of the range.
    virtual void setBorders(const QString& range, Border property, int value) = 0;
    // Presents the spreadsheet to the user, who prints or saves it.
    virtual void show() = 0;
};

using SpreadsheetFactory = std::function<std::unique_ptr<Spreadsheet>()>;

// A new spreadsheet from the factory in use: an .xlsx file opened in the
// desktop's spreadsheet application, unless another factory was set.
std::unique_ptr<Spreadsheet> newSpreadsheet();
// An empty factory restores the .xlsx one.
void setSpreadsheetFactory(SpreadsheetFactory factory);
