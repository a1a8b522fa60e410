// Whole-file reads and writes for the small files in the program folder.
// Failures raise FileError with the file layer's standard text.
#pragma once

#include <QByteArray>
#include <QString>

bool fileExists(const QString& path);

// Reads every byte of the file.
QByteArray readWholeFile(const QString& path);

// Replaces the file with exactly these bytes. The bytes go to a temporary
// file beside it that is renamed over the old one, so a failed write never
// leaves a half-written file behind.
void writeWholeFile(const QString& path, const QByteArray& bytes);
