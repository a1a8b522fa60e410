#include "startup/text_file.h"

#include "startup/codepages.h"
#include "startup/file_io.h"

QStringList readTextLines(const QString& path)
{
    const QString text = decodeText(CodePage::Cp1251, readWholeFile(path));
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(line);
            line.clear();
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
        } else {
            line.append(c);
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

void writeTextLines(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeTextExactly(CodePage::Cp1251, line);
        bytes += "\r\n";
    }
    writeWholeFile(path, bytes);
}
