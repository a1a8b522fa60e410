// The three views the order screen keeps on the two local files, and their
// preparation at every start: both files are rewritten empty.
#pragma once

#include <QString>

class LocalTable;
class LocalRow;

// Writes Kassa.dbf and Menu.dbf in programDir (ending in '/') from
// EmptyTableImage, points TKassa and TCount (read-only) at Kassa.dbf and
// TMenu at Menu.dbf, gives the Kassa views their SUMMA column, and opens
// TKassa and TMenu. A write failure throws FileError and leaves the views
// not yet opened closed.
void PrepareLocalTables(const QString& programDir, LocalTable& TKassa, LocalTable& TCount, LocalTable& TMenu);

// Column names of the order table and the menu cache.
namespace LocalColumn {
inline const QString KOD = QStringLiteral("KOD");
inline const QString NAME = QStringLiteral("NAME");
inline const QString CENA = QStringLiteral("CENA");
inline const QString KOLVO = QStringLiteral("KOLVO");
inline const QString SUMMA = QStringLiteral("SUMMA");
} // namespace LocalColumn

// SUMMA of an order row: CENA x KOLVO, blank columns counting as 0.
double TKassaCalcFields(const LocalRow& row);
double TCountCalcFields(const LocalRow& row);
