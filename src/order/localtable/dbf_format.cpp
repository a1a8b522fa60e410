#include "order/localtable/dbf_format.h"

#include <cmath>
#include <cstring>

namespace {

struct ColumnSpec {
    const char* name;
    char type;
    std::uint8_t length;
    std::uint8_t decimals;
};

constexpr ColumnSpec emptyTableColumns[] = {
    {"KOD", 'N', 20, 0},
    {"NAME", 'C', 150, 0},
    {"CENA", 'F', 20, 4},
    {"KOLVO", 'F', 20, 4},
    {"PERCENT", 'N', 5, 0},
};

constexpr std::array<std::uint8_t, 194> buildEmptyTableImage()
{
    std::array<std::uint8_t, 194> image {};
    image[0] = 0x03; // dBase table without memo
    image[1] = 108;  // last update 2008-07-18
    image[2] = 7;
    image[3] = 18;
    image[8] = 193 & 0xFF; // header length
    image[9] = 193 >> 8;
    image[10] = 216 & 0xFF; // record length
    image[11] = 216 >> 8;
    image[29] = dbf::LanguageCp866;
    std::size_t at = 32;
    for (const ColumnSpec& column : emptyTableColumns) {
        for (std::size_t i = 0; column.name[i] != '\0'; ++i)
            image[at + i] = static_cast<std::uint8_t>(column.name[i]);
        image[at + 11] = static_cast<std::uint8_t>(column.type);
        image[at + 16] = column.length;
        image[at + 17] = column.decimals;
        at += 32;
    }
    image[192] = dbf::HeaderEnd;
    image[193] = dbf::FileEnd;
    return image;
}

QByteArray rightAligned(const QByteArray& text, int length)
{
    return QByteArray(length - text.size(), ' ') + text;
}

} // namespace

const std::array<std::uint8_t, 194> EmptyTableImage = buildEmptyTableImage();

QByteArray emptyTableBytes()
{
    return QByteArray(reinterpret_cast<const char*>(EmptyTableImage.data()), EmptyTableImage.size());
}

namespace dbf {

std::optional<QByteArray> encodeInteger(qint64 value, int length)
{
    const QByteArray text = QByteArray::number(value);
    if (text.size() > length)
        return std::nullopt;
    return rightAligned(text, length);
}

std::optional<QByteArray> encodeFixed(double value, int length, int decimals)
{
    if (!std::isfinite(value))
        return std::nullopt;
    QByteArray text = QByteArray::number(value, 'f', decimals);
    const qsizetype point = text.indexOf('.');
    const qsizetype integerPart = point < 0 ? text.size() : point;
    if (integerPart > length)
        return std::nullopt;
    if (text.size() > length)
        text.truncate(length);
    return rightAligned(text, length);
}

QByteArray encodeCharacter(const QByteArray& bytes, int length)
{
    QByteArray field = bytes.left(length);
    field.append(length - field.size(), ' ');
    return field;
}

QByteArray trimCharacter(const char* field, int length)
{
    while (length > 0 && field[length - 1] == ' ')
        --length;
    return QByteArray(field, length);
}

QByteArray trimNumber(const char* field, int length)
{
    int start = 0;
    while (start < length && field[start] == ' ')
        ++start;
    return trimCharacter(field + start, length - start);
}

std::optional<qint64> parseInteger(const QByteArray& text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (ok)
        return value;
    // A number with decimals read as an integer loses its fraction.
    const std::optional<double> number = parseNumber(text);
    return number ? integerPart(*number) : std::nullopt;
}

std::optional<qint64> integerPart(double value)
{
    if (!(value > -9223372036854775808.0 && value < 9223372036854775808.0))
        return std::nullopt;
    return static_cast<qint64>(value);
}

std::optional<double> parseNumber(const QByteArray& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace dbf
