// Text files of the program folder: code page 1251, lines ending in CR LF,
// no byte-order mark, read and written whole.
#pragma once

#include <QString>
#include <QStringList>

// The lines of the file. CR LF, a lone CR and a lone LF each end a line; a
// last line without an ending still counts.
QStringList readTextLines(const QString& path);

// Replaces the file with these lines, each ending in CR LF. Text that code
// page 1251 cannot hold is refused with an error before anything is written.
void writeTextLines(const QString& path, const QStringList& lines);
