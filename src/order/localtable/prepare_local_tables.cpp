#include "order/localtable/prepare_local_tables.h"

#include "order/localtable/dbf_file.h"
#include "order/localtable/dbf_format.h"
#include "order/localtable/local_table.h"

namespace {

void writeEmptyTable(const QString& path)
{
    DbfFile file(path, DbfFile::Mode::Replace);
    file.writeAt(0, emptyTableBytes());
    file.close();
}

double orderRowSum(const LocalRow& row)
{
    return row.asDouble(QStringLiteral("CENA")) * row.asDouble(QStringLiteral("KOLVO"));
}

} // namespace

void PrepareLocalTables(const QString& programDir, LocalTable& TKassa, LocalTable& TCount, LocalTable& TMenu)
{
    // The views must not keep rows of the files about to be emptied.
    TKassa.close();
    TCount.close();
    TMenu.close();
    TKassa.setCalculatedColumn(QStringLiteral("SUMMA"), TKassaCalcFields);
    TCount.setCalculatedColumn(QStringLiteral("SUMMA"), TCountCalcFields);
    TKassa.setReadOnly(false);
    TCount.setReadOnly(true);
    TMenu.setReadOnly(false);

    const QString kassa = programDir + QStringLiteral("Kassa.dbf");
    writeEmptyTable(kassa);
    TKassa.setPath(kassa);
    TCount.setPath(kassa);
    TKassa.open();

    const QString menu = programDir + QStringLiteral("Menu.dbf");
    writeEmptyTable(menu);
    TMenu.setPath(menu);
    TMenu.open();
}

double TKassaCalcFields(const LocalRow& row)
{
    return orderRowSum(row);
}

double TCountCalcFields(const LocalRow& row)
{
    return orderRowSum(row);
}
