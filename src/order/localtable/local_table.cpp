#include "order/localtable/local_table.h"

#include "order/localtable/dbf_format.h"
#include "startup/codepages.h"
#include "startup/terminal_error.h"

#include <QDate>
#include <cmath>
#include <cstring>

LocalTable::LocalTable(QObject* parent)
    : QObject(parent)
{
}

LocalTable::~LocalTable() = default;

void LocalTable::setCalculatedColumn(const QString& name, CalcHandler handler)
{
    for (auto& [existing, calc] : calculated_) {
        if (existing.compare(name, Qt::CaseInsensitive) == 0) {
            calc = std::move(handler);
            return;
        }
    }
    calculated_.emplace_back(name, std::move(handler));
}

void LocalTable::open()
{
    if (isOpen())
        return;
    DbfFile file(path_, readOnly_ ? DbfFile::Mode::ReadOnly : DbfFile::Mode::ReadWrite);
    const QByteArray bytes = file.readAll();
    DbfHeader header = parseDbfHeader(bytes, path_);
    // The file size decides how many records there are; the stored count
    // follows it, so a wrong count can never lead past the end of the file.
    header.setRecordCount(header.recordCount);
    QByteArray records = bytes.mid(header.headerLength, header.recordCount * header.recordLength);
    std::vector<qint64> live;
    for (qint64 i = 0; i < header.recordCount; ++i) {
        if (records.at(i * header.recordLength) != dbf::DeletedFlag)
            live.push_back(i);
    }
    if (!readOnly_) {
        header.bytes[0] = static_cast<char>(header.bytes.at(0) & 0x7F);
        const QDate today = QDate::currentDate();
        header.setUpdateDate(today.year(), today.month(), today.day());
        file.writeAt(0, header.bytes);
        file.writeAt(header.headerLength + header.recordCount * header.recordLength, QByteArrayView("\x1A", 1));
    }

    Q_EMIT rowsAboutToChange();
    file_ = std::move(file);
    writable_ = !readOnly_;
    header_ = std::move(header);
    records_ = std::move(records);
    live_ = std::move(live);
    state_ = State::Browse;
    buffer_.clear();
    current_ = live_.empty() ? -1 : 0;
    atStart_ = true;
    atEnd_ = live_.empty();
    Q_EMIT rowsChanged();
    Q_EMIT currentRowChanged(current_);
}

void LocalTable::close()
{
    if (!isOpen())
        return;
    Q_EMIT rowsAboutToChange();
    file_ = DbfFile();
    header_ = DbfHeader();
    records_.clear();
    live_.clear();
    state_ = State::Browse;
    buffer_.clear();
    current_ = -1;
    atStart_ = true;
    atEnd_ = true;
    Q_EMIT rowsChanged();
    Q_EMIT currentRowChanged(current_);
}

void LocalTable::first()
{
    requireOpen();
    finishPendingChange();
    moveTo(live_.empty() ? -1 : 0, true, live_.empty());
}

void LocalTable::next()
{
    requireOpen();
    finishPendingChange();
    if (current_ + 1 < LiveRowCount())
        moveTo(current_ + 1, false, false);
    else if (!atEnd_)
        moveTo(current_, live_.empty(), true);
}

void LocalTable::prior()
{
    requireOpen();
    finishPendingChange();
    if (current_ > 0)
        moveTo(current_ - 1, false, false);
    else if (!atStart_)
        moveTo(current_, true, live_.empty());
}

void LocalTable::setCurrentRow(int row)
{
    requireOpen();
    if (row < 0 || row >= LiveRowCount())
        throw TerminalError(QStringLiteral("The table %1 has no row %2.").arg(path_).arg(row + 1));
    finishPendingChange();
    moveTo(row, false, false);
}

LocalRow LocalTable::current() const
{
    requireOpen();
    if (state_ != State::Browse)
        return LocalRow(*this, buffer_.constData());
    if (current_ < 0)
        throw TerminalError(QStringLiteral("The table %1 has no current row.").arg(path_));
    return row(current_);
}

LocalRow LocalTable::row(int liveRow) const
{
    requireOpen();
    if (liveRow < 0 || liveRow >= LiveRowCount())
        throw TerminalError(QStringLiteral("The table %1 has no row %2.").arg(path_).arg(liveRow + 1));
    return LocalRow(*this, record(live_[liveRow]));
}

void LocalTable::append()
{
    requireWritable();
    finishPendingChange();
    buffer_ = QByteArray(header_.recordLength, ' ');
    state_ = State::Append;
}

void LocalTable::edit()
{
    requireWritable();
    if (state_ == State::Edit)
        return;
    finishPendingChange();
    if (current_ < 0)
        throw TerminalError(QStringLiteral("The table %1 has no current row.").arg(path_));
    buffer_ = QByteArray(record(live_[current_]), header_.recordLength);
    state_ = State::Edit;
}

void LocalTable::setInteger(const QString& column, qint64 value)
{
    const DbfColumn& field = assignable(column);
    if (field.type == 'C')
        throw TerminalError(QStringLiteral("The column %1 holds text, not numbers.").arg(field.name));
    const std::optional<QByteArray> text = field.decimals == 0
        ? dbf::encodeInteger(value, field.length)
        : dbf::encodeFixed(static_cast<double>(value), field.length, field.decimals);
    if (!text)
        doesNotFit(field, QString::number(value));
    putField(field, *text);
}

void LocalTable::setDouble(const QString& column, double value)
{
    const DbfColumn& field = assignable(column);
    if (field.type == 'C')
        throw TerminalError(QStringLiteral("The column %1 holds text, not numbers.").arg(field.name));
    const std::optional<QByteArray> text = dbf::encodeFixed(value, field.length, field.decimals);
    if (!text)
        doesNotFit(field, QString::number(value, 'g', 17));
    putField(field, *text);
}

void LocalTable::setText(const QString& column, const QString& value)
{
    const DbfColumn& field = assignable(column);
    if (field.type != 'C')
        throw TerminalError(QStringLiteral("The column %1 holds numbers, not text.").arg(field.name));
    putField(field, dbf::encodeCharacter(encodeText(header_.codePage, value), field.length));
}

void LocalTable::post()
{
    requireChanging();
    const qint64 length = header_.recordLength;
    if (state_ == State::Edit) {
        const qint64 number = live_[current_];
        file_.writeAt(header_.headerLength + number * length, buffer_);
        std::memcpy(records_.data() + number * length, buffer_.constData(), length);
        state_ = State::Browse;
        buffer_.clear();
        Q_EMIT rowChanged(current_);
        return;
    }

    const qint64 number = header_.recordCount;
    buffer_[0] = dbf::LiveFlag;
    file_.writeAt(header_.headerLength + number * length, buffer_ + dbf::FileEnd);
    Q_EMIT rowsAboutToChange();
    records_.append(buffer_);
    live_.push_back(number);
    header_.recordCount = number + 1;
    state_ = State::Browse;
    buffer_.clear();
    current_ = LiveRowCount() - 1;
    atStart_ = false;
    atEnd_ = false;
    Q_EMIT rowsChanged();
    Q_EMIT currentRowChanged(current_);
    writeHeaderStamp();
}

void LocalTable::cancel()
{
    state_ = State::Browse;
    buffer_.clear();
}

void LocalTable::deleteRow()
{
    requireWritable();
    // A row not yet posted is not in the file: deleting it drops it.
    if (state_ == State::Append) {
        cancel();
        return;
    }
    cancel();
    if (current_ < 0)
        throw TerminalError(QStringLiteral("The table %1 has no current row.").arg(path_));
    const qint64 number = live_[current_];
    QByteArray deleted(record(number), header_.recordLength);
    deleted[0] = dbf::DeletedFlag;
    file_.writeAt(header_.headerLength + number * header_.recordLength, deleted);

    Q_EMIT rowsAboutToChange();
    records_[number * header_.recordLength] = dbf::DeletedFlag;
    live_.erase(live_.begin() + current_);
    if (current_ >= LiveRowCount())
        current_ = LiveRowCount() - 1;
    atStart_ = live_.empty();
    atEnd_ = live_.empty();
    Q_EMIT rowsChanged();
    Q_EMIT currentRowChanged(current_);
}

const DbfColumn* LocalTable::storedColumn(const QString& name) const
{
    for (const DbfColumn& column : header_.columns) {
        if (column.name.compare(name, Qt::CaseInsensitive) == 0)
            return &column;
    }
    return nullptr;
}

const LocalTable::CalcHandler* LocalTable::calculatedColumn(const QString& name) const
{
    for (const auto& [existing, handler] : calculated_) {
        if (existing.compare(name, Qt::CaseInsensitive) == 0)
            return &handler;
    }
    return nullptr;
}

void LocalTable::requireOpen() const
{
    if (!isOpen())
        throw TerminalError(QStringLiteral("The table %1 is not open.").arg(path_));
}

void LocalTable::requireWritable() const
{
    requireOpen();
    if (!writable_)
        throw TerminalError(QStringLiteral("The table %1 is open read-only.").arg(path_));
}

void LocalTable::requireChanging() const
{
    requireOpen();
    if (state_ == State::Browse)
        throw TerminalError(QStringLiteral("The table %1 is not being changed.").arg(path_));
}

const DbfColumn& LocalTable::assignable(const QString& name) const
{
    requireChanging();
    if (const DbfColumn* column = storedColumn(name))
        return *column;
    throw TerminalError(QStringLiteral("The table %1 has no stored column %2.").arg(path_, name));
}

void LocalTable::putField(const DbfColumn& column, const QByteArray& field)
{
    std::memcpy(buffer_.data() + column.offset, field.constData(), column.length);
}

void LocalTable::doesNotFit(const DbfColumn& column, const QString& value) const
{
    throw TerminalError(QStringLiteral("The value %1 does not fit the column %2 of the table %3.")
                            .arg(value, column.name, path_));
}

const char* LocalTable::record(qint64 number) const
{
    return records_.constData() + number * header_.recordLength;
}

void LocalTable::writeHeaderStamp()
{
    const QDate today = QDate::currentDate();
    header_.setRecordCount(header_.recordCount);
    header_.setUpdateDate(today.year(), today.month(), today.day());
    file_.writeAt(0, header_.bytes);
}

void LocalTable::finishPendingChange()
{
    if (state_ != State::Browse)
        post();
}

void LocalTable::moveTo(int row, bool atStart, bool atEnd)
{
    atStart_ = atStart;
    atEnd_ = atEnd;
    if (row != current_) {
        current_ = row;
        Q_EMIT currentRowChanged(row);
    }
}
