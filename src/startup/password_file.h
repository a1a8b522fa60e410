// psw.txt: the database password in two scrambling layers. The terminal only
// reads it; the back office and the demo set-up form it with psw-tool.
#pragma once

#include <QByteArray>

class Keystream;

inline constexpr auto PasswordFileName = "psw.txt";

// The password held in an inner layer: a 15-byte header that keys the
// keystream, followed by the scrambled password bytes.
QByteArray OpenInnerLayer(Keystream& keystream, QByteArray inner);

// The bytes of psw.txt for a password (15 + its length).
QByteArray formPasswordFile(Keystream& keystream, const QByteArray& password);

// The password held in the bytes of psw.txt.
QByteArray readPasswordBytes(Keystream& keystream, QByteArray fileBytes);

// Reads psw.txt and returns the password it holds.
QByteArray readPasswordFile(Keystream& keystream, const QString& path);
void writePasswordFile(Keystream& keystream, const QString& path, const QByteArray& password);
