#include "history/spreadsheet.h"

#include "history/xlsx_spreadsheet.h"

namespace {
SpreadsheetFactory& factoryInUse()
{
    static SpreadsheetFactory factory;
    return factory;
}
} // namespace

std::unique_ptr<Spreadsheet> newSpreadsheet()
{
    if (const SpreadsheetFactory& factory = factoryInUse())
        return factory();
    return std::make_unique<XlsxSpreadsheet>();
}

void setSpreadsheetFactory(SpreadsheetFactory factory)
{
    factoryInUse() = std::move(factory);
}
