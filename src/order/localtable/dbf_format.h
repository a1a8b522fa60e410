// The dBase IV layout of the terminal's local tables: the image both files
// are written from and the text encodings of the column types they use.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <array>
#include <cstdint>
#include <optional>

namespace dbf {

constexpr int HeaderPrefixLength = 32;
constexpr int DescriptorLength = 32;
constexpr char HeaderEnd = 0x0D;
constexpr char FileEnd = 0x1A;
constexpr char LiveFlag = ' ';
constexpr char DeletedFlag = '*';
constexpr std::uint8_t LanguageCp866 = 0x26;

// Right-aligned decimal integer; nothing when it does not fit the length.
std::optional<QByteArray> encodeInteger(qint64 value, int length);

// Fixed-point text with the given decimals and a full stop, right-aligned.
// Text longer than the column keeps its first `length` characters, which
// only drops decimals; nothing when the integer part itself does not fit or
// the value is not finite.
std::optional<QByteArray> encodeFixed(double value, int length, int decimals);

// Left-aligned, cut to the length, filled with spaces.
QByteArray encodeCharacter(const QByteArray& bytes, int length);

// Reading ignores trailing spaces, and leading ones too for numbers.
QByteArray trimCharacter(const char* field, int length);
QByteArray trimNumber(const char* field, int length);

// The integer part of a number; nothing when it is out of range or no number.
std::optional<qint64> integerPart(double value);

// Number text with a full stop; nothing when it is not a number.
std::optional<qint64> parseInteger(const QByteArray& text);
std::optional<double> parseNumber(const QByteArray& text);

} // namespace dbf

// The empty order table and menu cache: header with no records, columns KOD
// N(20), NAME C(150), CENA F(20,4), KOLVO F(20,4), PERCENT N(5), code page
// 866, then the end-of-file byte.
extern const std::array<std::uint8_t, 194> EmptyTableImage;

QByteArray emptyTableBytes();
