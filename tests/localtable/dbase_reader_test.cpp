// Our files as other dBase readers see them: a reader written from the
// general dBase format with Python's standard library, not from our code,
// must find a dBase IV table in code page 866 and our rows in it.
#include "order/localtable/local_table.h"
#include "table_folder.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// Prints the version, the header date check, the columns and every live
// record, one line each.
const char* const reader = R"PY(
import struct, sys, datetime
data = open(sys.argv[1], 'rb').read()
version, yy, mm, dd, count, hlen, rlen = struct.unpack('<B3BIHH', data[:12])
lang = data[29]
print('version %02x language %02x dbase4 %s' % (version, lang, version & 7 == 3 and lang != 0))
print('date ok %s' % (datetime.date(1900 + yy, mm, dd) == datetime.date.today()))
print('size ok %s' % (len(data) == hlen + count * rlen + 1 and data[-1] == 0x1a and data[hlen - 1] == 0x0d))
encoding = {0x26: 'cp866', 0xc9: 'cp1251'}[lang]
fields, pos, offset = [], 32, 1
while data[pos] != 0x0d:
    d = data[pos:pos + 32]
    name = d[:11].split(b'\0')[0].decode('ascii')
    fields.append((name, chr(d[11]), d[16], d[17], offset))
    print('column %s %s %d %d' % fields[-1][:4])
    offset += d[16]
    pos += 32
for i in range(count):
    rec = data[hlen + i * rlen: hlen + (i + 1) * rlen]
    if rec[0:1] == b'*':
        continue
    values = []
    for name, kind, length, dec, off in fields:
        raw = rec[off:off + length]
        if kind == 'C':
            values.append(raw.decode(encoding).rstrip(' '))
        elif raw.strip():
            values.append(repr(float(raw)) if dec else str(int(raw)))
        else:
            values.append('null')
    print('row ' + '|'.join(values))
)PY";

} // namespace

TEST(DbaseReader, StandardReaderFindsOurRows)
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    TableFolder folder;
    LocalTable table;
    openTable(table, folder.writeEmpty());
    appendOrderRow(table, 12345, QStringLiteral("Чай"), 150.5, 1);
    appendOrderRow(table, 7, QStringLiteral("Удалённое"), 1, 1);
    appendOrderRow(table, -3, QStringLiteral("Борщ «Московский» №2"), 0.1, 0.33333);
    table.first();
    table.next();
    table.deleteRow();

    QProcess process;
    process.start(python, {QStringLiteral("-c"), QString::fromUtf8(reader), folder.path()});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QString expected = QStringLiteral(
        "version 03 language 26 dbase4 True\n"
        "date ok True\n"
        "size ok True\n"
        "column KOD N 20 0\n"
        "column NAME C 150 0\n"
        "column CENA F 20 4\n"
        "column KOLVO F 20 4\n"
        "column PERCENT N 5 0\n"
        "row 12345|Чай|150.5|1.0|null\n"
        "row -3|Борщ ?Московский? №2|0.1|0.3333|null\n");
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()).toStdString(), expected.toStdString());
}
