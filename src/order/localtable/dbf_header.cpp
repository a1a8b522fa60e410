#include "order/localtable/dbf_header.h"

#include "order/localtable/dbf_format.h"
#include "startup/terminal_error.h"

#include <limits>

namespace {

unsigned byteAt(const QByteArray& bytes, qsizetype at)
{
    return static_cast<unsigned char>(bytes.at(at));
}

unsigned little16(const QByteArray& bytes, qsizetype at)
{
    return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8;
}

[[noreturn]] void damaged(const QString& path, const QString& reason)
{
    throw TerminalError(QStringLiteral("The table %1 is damaged: %2.").arg(path, reason));
}

DbfColumn readDescriptor(const QByteArray& bytes, qsizetype at, int offset, const QString& path)
{
    const QByteArray rawName = bytes.mid(at, 11);
    const qsizetype nameEnd = rawName.indexOf('\0');
    DbfColumn column;
    column.name = QString::fromLatin1(nameEnd < 0 ? rawName : rawName.left(nameEnd)).toUpper();
    column.type = static_cast<char>(QChar::toUpper(byteAt(bytes, at + 11)));
    column.length = static_cast<int>(byteAt(bytes, at + 16));
    column.decimals = static_cast<int>(byteAt(bytes, at + 17));
    column.offset = offset;
    if (column.type != 'C' && column.type != 'N' && column.type != 'F')
        damaged(path, QStringLiteral("column %1 has the unsupported type %2")
                          .arg(column.name, QString::number(byteAt(bytes, at + 11), 16)));
    if (column.length == 0)
        damaged(path, QStringLiteral("column %1 has no length").arg(column.name));
    return column;
}

} // namespace

void DbfHeader::setRecordCount(qint64 count)
{
    for (int i = 0; i < 4; ++i)
        bytes[4 + i] = static_cast<char>(count >> (8 * i) & 0xFF);
}

void DbfHeader::setUpdateDate(int year, int month, int day)
{
    bytes[1] = static_cast<char>(year - 1900);
    bytes[2] = static_cast<char>(month);
    bytes[3] = static_cast<char>(day);
}

DbfHeader parseDbfHeader(const QByteArray& file, const QString& path)
{
    // Every table of the dBase III/IV family has 3 in the low bits of the
    // version byte; anything else is not a dBase table header.
    if (file.size() < dbf::HeaderPrefixLength || (byteAt(file, 0) & 0x07) != 0x03)
        throw TerminalError(QStringLiteral("Invalid DBF file."));

    DbfHeader header;
    header.headerLength = static_cast<int>(little16(file, 8));
    header.recordLength = static_cast<int>(little16(file, 10));
    if (header.headerLength <= dbf::HeaderPrefixLength || header.headerLength > file.size())
        damaged(path, QStringLiteral("the header length %1 does not fit the file").arg(header.headerLength));
    if (header.recordLength < 2)
        damaged(path, QStringLiteral("the record length %1 is too small").arg(header.recordLength));
    header.bytes = file.left(header.headerLength);
    header.recordCount = (file.size() - header.headerLength) / header.recordLength;
    if (header.recordCount > std::numeric_limits<quint32>::max())
        damaged(path, QStringLiteral("it holds more records than its header can count"));
    header.codePage = byteAt(file, 29) == dbf::LanguageCp866 ? CodePage::Cp866 : CodePage::Cp1251;

    int offset = 1;
    for (qsizetype at = dbf::HeaderPrefixLength;; at += dbf::DescriptorLength) {
        if (at >= header.headerLength)
            damaged(path, QStringLiteral("the column descriptors have no end mark"));
        if (file.at(at) == dbf::HeaderEnd)
            break;
        if (at + dbf::DescriptorLength > header.headerLength)
            damaged(path, QStringLiteral("the column descriptors have no end mark"));
        DbfColumn column = readDescriptor(file, at, offset, path);
        offset += column.length;
        if (offset > header.recordLength)
            damaged(path, QStringLiteral("the columns do not fit the record length %1").arg(header.recordLength));
        header.columns.push_back(std::move(column));
    }
    if (header.columns.empty())
        damaged(path, QStringLiteral("it has no columns"));
    return header;
}
