// Conversions between the program's text and the two code pages it stores:
// 1251 in the settings files and the database, 866 in the local dBase tables.
#pragma once

#include <QByteArray>
#include <QString>

enum class CodePage { Cp1251, Cp866 };

// Encodes text; characters the code page lacks become '?' and set *lossless
// to false when it is given.
QByteArray encodeText(CodePage page, const QString& text, bool* lossless = nullptr);

// Encodes text that must survive unchanged; throws TerminalError naming the
// first character the code page lacks.
QByteArray encodeTextExactly(CodePage page, const QString& text);

QString decodeText(CodePage page, const QByteArray& bytes);
