// Fuzz target: any bytes as a local table file. Opening them read-only and
// for writing, reading every row and changing the table may fail only with
// TerminalError; anything else, or a bad memory access, is a finding.
#include "fuzz_input.h"
#include "order/localtable/local_table.h"
#include "startup/terminal_error.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace {

void readAllRows(LocalTable& table)
{
    for (int row = 0; row < table.LiveRowCount(); ++row) {
        const LocalRow values = table.row(row);
        for (const char* column : {"KOD", "NAME", "CENA", "KOLVO", "PERCENT"}) {
            try {
                values.asText(QLatin1String(column));
                values.value(QLatin1String(column));
                values.asInteger(QLatin1String(column));
                values.asDouble(QLatin1String(column));
            } catch (const TerminalError&) {
            }
        }
    }
    for (table.first(); !table.atEnd(); table.next()) {
    }
    for (; !table.atStart(); table.prior()) {
    }
}

void exercise(bool readOnly)
{
    LocalTable table;
    table.setPath(fuzzInputPath());
    table.setReadOnly(readOnly);
    try {
        table.open();
    } catch (const TerminalError&) {
        return;
    }
    readAllRows(table);
    if (readOnly)
        return;
    try {
        table.append();
        table.setInteger(QStringLiteral("KOD"), 12345);
        table.setText(QStringLiteral("NAME"), QStringLiteral("Чай"));
        table.setDouble(QStringLiteral("KOLVO"), 0.33333);
        table.post();
    } catch (const TerminalError&) {
        // Files of other layouts lack these columns.
        table.cancel();
    }
    if (table.currentRow() >= 0) {
        table.first();
        table.deleteRow();
    }
    table.close();
    LocalTable reader;
    reader.setPath(fuzzInputPath());
    reader.setReadOnly(true);
    reader.open();
    readAllRows(reader);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFuzzInput(data, size);
    exercise(true);
    writeFuzzInput(data, size);
    exercise(false);
    return 0;
}
