// Cost of the order table's operations on a 200-row table: append, edit,
// delete and a full scan by a fresh read-only view, as the order total does.
#include "order/localtable/dbf_format.h"
#include "order/localtable/local_table.h"
#include "order/localtable/prepare_local_tables.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr int Rows = 200;

void resetFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(emptyTableBytes()) != 194)
        std::abort();
}

void appendRow(LocalTable& table, int kod)
{
    table.append();
    table.setInteger(QStringLiteral("KOD"), kod);
    table.setText(QStringLiteral("NAME"), QStringLiteral("Блюдо номер %1").arg(kod));
    table.setDouble(QStringLiteral("CENA"), 100 + kod * 0.25);
    table.setDouble(QStringLiteral("KOLVO"), 1);
    table.post();
}

void fill(LocalTable& table, const QString& path)
{
    table.close();
    resetFile(path);
    table.setPath(path);
    table.open();
    for (int kod = 1; kod <= Rows; ++kod)
        appendRow(table, kod);
}

// Runs setup untimed, then the round, which returns how many operations it
// ran; prints microseconds per operation of the fastest round.
void report(const char* name, int rounds, const std::function<void()>& setup, const std::function<int()>& round)
{
    double best = 1e300;
    for (int r = 0; r < rounds; ++r) {
        setup();
        QElapsedTimer timer;
        timer.start();
        const int operations = round();
        best = std::min(best, static_cast<double>(timer.nsecsElapsed()) / 1000.0 / operations);
    }
    std::printf("%-44s %10.2f us/op\n", name, best);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kassa.dbf"));
    LocalTable table;
    double sink = 0;

    const auto emptyTable = [&] {
        table.close();
        resetFile(path);
        table.setPath(path);
        table.open();
    };
    const auto fullTable = [&] { fill(table, path); };
    const auto nothing = [] {};

    report("append (to 200 rows)", 5, emptyTable, [&] {
        for (int kod = 1; kod <= Rows; ++kod)
            appendRow(table, kod);
        return Rows;
    });
    report("edit KOLVO and post (200-row table)", 5, fullTable, [&] {
        int edits = 0;
        for (table.first(); edits < Rows; table.next(), ++edits) {
            table.edit();
            table.setDouble(QStringLiteral("KOLVO"), table.asDouble(QStringLiteral("KOLVO")) + 1);
            table.post();
        }
        return edits;
    });
    report("delete current row (200-row table)", 5, fullTable, [&] {
        int deletes = 0;
        for (table.first(); table.LiveRowCount() > 0; ++deletes)
            table.deleteRow();
        return deletes;
    });
    fill(table, path);
    table.setCalculatedColumn(QStringLiteral("SUMMA"), TKassaCalcFields);
    report("full scan: open read-only, sum SUMMA, close", 20, nothing, [&] {
        LocalTable count;
        count.setPath(path);
        count.setReadOnly(true);
        count.setCalculatedColumn(QStringLiteral("SUMMA"), TCountCalcFields);
        constexpr int scans = 50;
        for (int s = 0; s < scans; ++s) {
            count.open();
            for (count.first(); !count.atEnd(); count.next())
                sink += count.asDouble(QStringLiteral("SUMMA"));
            count.close();
        }
        return scans;
    });
    report("search by KOD from the first row (average)", 20, nothing, [&] {
        for (int kod = 1; kod <= Rows; ++kod) {
            table.first();
            while (!table.atEnd() && table.asInteger(QStringLiteral("KOD")) != kod)
                table.next();
        }
        return Rows;
    });
    std::printf("(checksum %.2f)\n", sink);
    return 0;
}
