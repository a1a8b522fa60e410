#include "db/query.h"

#include "db/client_handle.h"
#include "db/database.h"
#include "db/database_error.h"
#include "db/sql_text.h"
#include "db/transaction.h"
#include "startup/codepages.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ibase.h>
#include <map>
#include <optional>
#include <vector>

namespace {

// ISC_DATE counts days from 17 November 1858.
constexpr qint64 julianDayOfDateZero = 2400001;
// ISC_TIME counts ten-thousandths of a second.
constexpr int timeUnitsPerMillisecond = 10;
// Character set ids of text values.
constexpr short charsetNone = 0;
constexpr short charsetOctets = 1;
// Blob segments are at most 65535 bytes; this keeps the buffer on the stack small.
constexpr int segmentSize = 32768;

struct FreeDescriptor {
    void operator()(XSQLDA* descriptor) const noexcept { std::free(descriptor); }
};
using Descriptor = std::unique_ptr<XSQLDA, FreeDescriptor>;

Descriptor makeDescriptor(short count)
{
    const short n = std::max<short>(count, 1);
    auto* raw = static_cast<XSQLDA*>(std::calloc(1, XSQLDA_LENGTH(n)));
    if (!raw)
        throw std::bad_alloc();
    raw->version = SQLDA_VERSION1;
    raw->sqln = n;
    return Descriptor(raw);
}

DatabaseError layerError(const QString& text)
{
    return DatabaseError(text, 0);
}

bool isOctets(const XSQLVAR& var)
{
    return (var.sqlsubtype & 0xFF) == charsetOctets;
}

QByteArray readBlob(FbHandle* db, FbHandle* transaction, ISC_QUAD id)
{
    BlobHandle blob;
    StatusVector status;
    isc_open_blob2(status.data(), db, transaction, blob.get(), &id, 0, nullptr);
    check(status);
    QByteArray bytes;
    char segment[segmentSize];
    for (;;) {
        unsigned short length = 0;
        isc_get_segment(status.data(), blob.get(), &length, sizeof segment, segment);
        // isc_segment reports a part of a longer segment; the rest follows.
        if (!status.failed() || status.data()[1] == isc_segment) {
            bytes.append(segment, length);
            continue;
        }
        if (status.data()[1] == isc_segstr_eof)
            break;
        check(status);
    }
    isc_close_blob(status.data(), blob.get());
    check(status);
    return bytes;
}

ISC_QUAD writeBlob(FbHandle* db, FbHandle* transaction, const QByteArray& bytes)
{
    BlobHandle blob;
    ISC_QUAD id {};
    StatusVector status;
    isc_create_blob2(status.data(), db, transaction, blob.get(), &id, 0, nullptr);
    check(status);
    for (qsizetype offset = 0; offset < bytes.size(); offset += segmentSize) {
        const auto length = static_cast<unsigned short>(std::min<qsizetype>(segmentSize, bytes.size() - offset));
        isc_put_segment(status.data(), blob.get(), length, bytes.constData() + offset);
        check(status);
    }
    isc_close_blob(status.data(), blob.get());
    check(status);
    return id;
}

template <typename T>
T load(const char* data)
{
    T value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

QVariant scaled(qint64 value, short scale)
{
    if (scale == 0)
        return value;
    return static_cast<double>(value) / std::pow(10.0, -scale);
}

QVariant text(const XSQLVAR& var, const char* data, qsizetype length)
{
    const QByteArray bytes(data, length);
    if (isOctets(var))
        return bytes;
    return decodeText(CodePage::Cp1251, bytes);
}

QVariant decode(const XSQLVAR& var, FbHandle* db, FbHandle* transaction)
{
    if (*var.sqlind < 0)
        return {};
    const char* data = var.sqldata;
    switch (var.sqltype & ~1) {
    case SQL_TEXT:
        return text(var, data, var.sqllen);
    case SQL_VARYING:
        return text(var, data + 2, load<short>(data));
    case SQL_SHORT:
        return scaled(load<short>(data), var.sqlscale);
    case SQL_LONG:
        return scaled(load<ISC_LONG>(data), var.sqlscale);
    case SQL_INT64:
        return scaled(load<ISC_INT64>(data), var.sqlscale);
    case SQL_FLOAT:
        return static_cast<double>(load<float>(data));
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return load<double>(data);
    case SQL_TYPE_DATE:
        return QDate::fromJulianDay(load<ISC_DATE>(data) + julianDayOfDateZero);
    case SQL_TYPE_TIME:
        return QTime::fromMSecsSinceStartOfDay(static_cast<int>(load<ISC_TIME>(data) / timeUnitsPerMillisecond));
    case SQL_TIMESTAMP: {
        const auto stamp = load<ISC_TIMESTAMP>(data);
        return QDateTime(QDate::fromJulianDay(stamp.timestamp_date + julianDayOfDateZero),
                         QTime::fromMSecsSinceStartOfDay(static_cast<int>(stamp.timestamp_time / timeUnitsPerMillisecond)));
    }
    case SQL_BOOLEAN:
        return load<FB_BOOLEAN>(data) != 0;
    case SQL_BLOB: {
        const QByteArray bytes = readBlob(db, transaction, load<ISC_QUAD>(data));
        if (var.sqlsubtype == isc_blob_text)
            return decodeText(CodePage::Cp1251, bytes);
        return bytes;
    }
    default:
        throw layerError(QStringLiteral("Column %1 has a type that cannot be read")
                             .arg(QString::fromLatin1(var.aliasname, var.aliasname_length)));
    }
}

int statementType(FbHandle* statement)
{
    const char item = isc_info_sql_stmt_type;
    char buffer[16] {};
    StatusVector status;
    isc_dsql_sql_info(status.data(), statement, 1, &item, sizeof buffer, buffer);
    check(status);
    if (buffer[0] != isc_info_sql_stmt_type)
        throw layerError(QStringLiteral("The server did not report the statement type"));
    const short length = static_cast<short>(isc_vax_integer(buffer + 1, 2));
    return isc_vax_integer(buffer + 3, length);
}

} // namespace

struct Query::Private {
    Transaction* transaction = nullptr;
    QStringList lines;
    bool paramCheck = true;
    std::optional<PositionalSql> parsed;
    // Values by upper-case name; an invalid QVariant is NULL.
    std::map<QString, QVariant> values;

    StatementHandle statement;
    bool prepared = false;
    int type = 0;
    Descriptor input;
    // The parameters as the server described them; each run overrides the
    // types in input with those of the values it sends.
    std::vector<XSQLVAR> described;
    Descriptor output;
    std::vector<std::vector<char>> columnData;
    std::vector<short> columnIndicators;
    QStringList columns;

    std::vector<std::vector<QVariant>> rows;
    qsizetype current = -1;
    bool open = false;
    bool cursorOpen = false;
    bool eof = true;

    Transaction& liveTransaction()
    {
        if (!transaction)
            throw layerError(QStringLiteral("The query's transaction no longer exists"));
        return *transaction;
    }

    const PositionalSql& positional()
    {
        if (!parsed) {
            const QString text = lines.join(u'\n');
            parsed = paramCheck ? toPositionalParameters(text) : PositionalSql {text, {}};
        }
        return *parsed;
    }

    bool isSelect() const { return type == isc_info_sql_stmt_select || type == isc_info_sql_stmt_select_for_upd; }
};

Query::Query(Transaction& transaction) : d(std::make_unique<Private>())
{
    d->transaction = &transaction;
    transaction.queries_.push_back(this);
}

Query::~Query()
{
    releaseStatement();
    if (d->transaction)
        std::erase(d->transaction->queries_, this);
}

void Query::clear()
{
    close();
    d->lines.clear();
    d->parsed.reset();
    d->values.clear();
    d->prepared = false;
}

void Query::addLine(const QString& line)
{
    close();
    d->lines << line;
    d->parsed.reset();
    d->prepared = false;
}

void Query::setSql(const QStringList& lines)
{
    // The same statement again keeps its preparation: shared queries are
    // given the same text over and over, once per order line when sending.
    if (d->prepared && lines == d->lines) {
        close();
        d->values.clear();
        return;
    }
    clear();
    d->lines = lines;
}

QString Query::sql() const
{
    return d->lines.join(u'\n');
}

void Query::setParamCheck(bool on)
{
    close();
    d->paramCheck = on;
    d->parsed.reset();
    d->prepared = false;
}

void Query::setInt32(const QString& name, qint32 value)
{
    setParameter(name, qint64 {value});
}

void Query::setInt64(const QString& name, qint64 value)
{
    setParameter(name, value);
}

void Query::setDouble(const QString& name, double value)
{
    setParameter(name, value);
}

void Query::setString(const QString& name, const QString& value)
{
    // Refused here, before anything is sent.
    encodeTextExactly(CodePage::Cp1251, value);
    setParameter(name, value);
}

void Query::setDate(const QString& name, const QDate& value)
{
    setParameter(name, value.isValid() ? QVariant(value) : QVariant());
}

void Query::setTime(const QString& name, const QTime& value)
{
    setParameter(name, value.isValid() ? QVariant(value) : QVariant());
}

void Query::setBytes(const QString& name, const QByteArray& value)
{
    setParameter(name, value);
}

void Query::setNull(const QString& name)
{
    setParameter(name, QVariant());
}

void Query::setParameter(const QString& name, const QVariant& value)
{
    const QString key = name.toUpper();
    if (!d->positional().names.contains(key))
        throw layerError(QStringLiteral("Parameter %1 not found").arg(name));
    d->values[key] = value;
}

void Query::prepare()
{
    if (d->prepared)
        return;
    Transaction& transaction = d->liveTransaction();
    FbHandle* db = transaction.database().handle();
    const PositionalSql& positional = d->positional();
    const QByteArray text = encodeTextExactly(CodePage::Cp1251, positional.text);
    FbHandle* transactionHandle = transaction.activeHandle();
    StatusVector status;
    if (!d->statement.isValid()) {
        isc_dsql_allocate_statement(status.data(), db, d->statement.get());
        check(status);
    }
    Descriptor output = makeDescriptor(1);
    isc_dsql_prepare(status.data(), transactionHandle, d->statement.get(), 0, text.constData(),
                     SQL_DIALECT_V6, output.get());
    check(status);
    if (output->sqld > output->sqln) {
        output = makeDescriptor(output->sqld);
        isc_dsql_describe(status.data(), d->statement.get(), SQLDA_VERSION1, output.get());
        check(status);
    }
    Descriptor input = makeDescriptor(1);
    isc_dsql_describe_bind(status.data(), d->statement.get(), SQLDA_VERSION1, input.get());
    check(status);
    if (input->sqld > input->sqln) {
        input = makeDescriptor(input->sqld);
        isc_dsql_describe_bind(status.data(), d->statement.get(), SQLDA_VERSION1, input.get());
        check(status);
    }
    if (input->sqld != positional.names.size())
        throw layerError(QStringLiteral("Every parameter of the statement needs a name"));
    const int type = statementType(d->statement.get());

    std::vector<std::vector<char>> columnData(output->sqld);
    std::vector<short> columnIndicators(output->sqld);
    QStringList columns;
    for (short i = 0; i < output->sqld; ++i) {
        XSQLVAR& var = output->sqlvar[i];
        const short base = var.sqltype & ~1;
        // At least one byte, so that even a NULL literal's column has a place.
        columnData[i].resize(std::max(1, var.sqllen + (base == SQL_VARYING ? 2 : 0)));
        var.sqldata = columnData[i].data();
        // Made nullable so the indicator is always filled in.
        var.sqltype = base | 1;
        var.sqlind = &columnIndicators[i];
        columns << decodeText(CodePage::Cp1251, QByteArray(var.aliasname, var.aliasname_length));
    }

    d->type = type;
    d->described.assign(input->sqlvar, input->sqlvar + input->sqld);
    d->input = std::move(input);
    d->output = std::move(output);
    d->columnData = std::move(columnData);
    d->columnIndicators = std::move(columnIndicators);
    d->columns = columns;
    d->prepared = true;
}

bool Query::isPrepared() const
{
    return d->prepared;
}

void Query::open()
{
    execute(true);
}

void Query::exec()
{
    execute(false);
}

void Query::execute(bool select)
{
    close();
    prepare();
    if (select && !d->isSelect())
        throw layerError(QStringLiteral("Only a select can be opened; this statement is executed"));
    if (!select && d->isSelect())
        throw layerError(QStringLiteral("A select is opened, not executed"));

    Transaction& transaction = d->liveTransaction();
    FbHandle* db = transaction.database().handle();
    FbHandle* transactionHandle = transaction.activeHandle();
    XSQLDA* input = d->input.get();
    const QStringList& names = d->positional().names;
    std::vector<std::vector<char>> data(input->sqld);
    std::vector<short> indicators(input->sqld);
    for (short i = 0; i < input->sqld; ++i) {
        const auto found = d->values.find(names[i]);
        if (found == d->values.end())
            throw layerError(QStringLiteral("Parameter %1 has no value").arg(names[i]));
        const QVariant& value = found->second;
        XSQLVAR& var = input->sqlvar[i];
        var = d->described[i];
        const short described = var.sqltype & ~1;
        std::vector<char>& bytes = data[i];
        auto store = [&](short type, const auto& v) {
            var.sqltype = type | 1;
            var.sqlscale = 0;
            var.sqllen = sizeof v;
            bytes.resize(sizeof v);
            std::memcpy(bytes.data(), &v, sizeof v);
        };
        switch (value.typeId()) {
        case QMetaType::UnknownType:
            indicators[i] = -1;
            var.sqltype = described | 1;
            bytes.resize(var.sqllen + 2);
            break;
        case QMetaType::LongLong:
            store(SQL_INT64, value.toLongLong());
            break;
        case QMetaType::Double:
            store(SQL_DOUBLE, value.toDouble());
            break;
        case QMetaType::QDate:
            store(SQL_TYPE_DATE, static_cast<ISC_DATE>(value.toDate().toJulianDay() - julianDayOfDateZero));
            break;
        case QMetaType::QTime:
            store(SQL_TYPE_TIME, static_cast<ISC_TIME>(value.toTime().msecsSinceStartOfDay()) * timeUnitsPerMillisecond);
            break;
        default: {
            const QByteArray raw = value.typeId() == QMetaType::QByteArray
                ? value.toByteArray()
                : encodeTextExactly(CodePage::Cp1251, value.toString());
            if (described == SQL_BLOB) {
                store(SQL_BLOB, writeBlob(db, transactionHandle, raw));
                break;
            }
            if (raw.size() > 32767)
                throw layerError(QStringLiteral("Parameter %1 is too long").arg(names[i]));
            var.sqltype = SQL_TEXT | 1;
            var.sqllen = static_cast<short>(raw.size());
            if (described != SQL_TEXT && described != SQL_VARYING)
                var.sqlsubtype = value.typeId() == QMetaType::QByteArray ? charsetOctets : charsetNone;
            bytes.assign(raw.begin(), raw.end());
            break;
        }
        }
        // The library reads the value even when empty.
        if (bytes.empty())
            bytes.resize(1);
        var.sqldata = bytes.data();
        var.sqlind = &indicators[i];
    }

    StatusVector status;
    XSQLDA* inputOrNone = input->sqld > 0 ? input : nullptr;
    if (d->type == isc_info_sql_stmt_exec_procedure && d->output->sqld > 0) {
        // A procedure's output, or INSERT … RETURNING, comes back as one row.
        isc_dsql_execute2(status.data(), transactionHandle, d->statement.get(), SQLDA_VERSION1, inputOrNone,
                          d->output.get());
        check(status);
        std::vector<QVariant> row;
        for (short i = 0; i < d->output->sqld; ++i)
            row.push_back(decode(d->output->sqlvar[i], db, transactionHandle));
        d->rows.push_back(std::move(row));
        d->open = true;
        first();
        return;
    }
    isc_dsql_execute(status.data(), transactionHandle, d->statement.get(), SQLDA_VERSION1, inputOrNone);
    check(status);
    if (!select)
        return;
    d->cursorOpen = true;
    d->open = true;
    fetchRow();
    first();
}

bool Query::fetchRow()
{
    if (!d->cursorOpen)
        return false;
    Transaction& transaction = d->liveTransaction();
    StatusVector status;
    const ISC_STATUS result = isc_dsql_fetch(status.data(), d->statement.get(), SQLDA_VERSION1, d->output.get());
    if (result == 100) {
        closeCursor();
        return false;
    }
    check(status);
    FbHandle* db = transaction.database().handle();
    FbHandle* transactionHandle = transaction.activeHandle();
    std::vector<QVariant> row;
    row.reserve(d->output->sqld);
    for (short i = 0; i < d->output->sqld; ++i)
        row.push_back(decode(d->output->sqlvar[i], db, transactionHandle));
    d->rows.push_back(std::move(row));
    return true;
}

void Query::close()
{
    closeCursor();
    d->rows.clear();
    d->current = -1;
    d->open = false;
    d->eof = true;
}

bool Query::isOpen() const
{
    return d->open;
}

void Query::first()
{
    d->current = d->rows.empty() ? -1 : 0;
    d->eof = d->rows.empty();
}

void Query::next()
{
    if (d->current + 1 < static_cast<qsizetype>(d->rows.size()) || fetchRow())
        ++d->current;
    else
        d->eof = true;
}

bool Query::eof() const
{
    return d->eof;
}

void Query::fetchAll()
{
    while (fetchRow()) {
    }
    first();
}

int Query::recordCount() const
{
    return static_cast<int>(d->rows.size());
}

QStringList Query::fieldNames() const
{
    return d->columns;
}

const QVariant& Query::field(const QString& name) const
{
    static const QVariant null;
    const auto found = std::find_if(d->columns.cbegin(), d->columns.cend(), [&](const QString& column) {
        return column.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (found == d->columns.cend())
        throw layerError(QStringLiteral("Field %1 not found").arg(name));
    if (d->current < 0 || d->current >= static_cast<qsizetype>(d->rows.size()))
        return null;
    return d->rows[d->current][found - d->columns.cbegin()];
}

bool Query::isNull(const QString& name) const
{
    return !field(name).isValid();
}

qint32 Query::asInt32(const QString& name) const
{
    return static_cast<qint32>(static_cast<quint32>(asInt64(name)));
}

qint64 Query::asInt64(const QString& name) const
{
    const QVariant& value = field(name);
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return 0;
    case QMetaType::LongLong:
    case QMetaType::Bool:
        return value.toLongLong();
    case QMetaType::Double:
        return std::llround(value.toDouble());
    case QMetaType::QString: {
        bool ok = false;
        const qint64 number = value.toString().trimmed().toLongLong(&ok);
        if (ok)
            return number;
        break;
    }
    default:
        break;
    }
    throw layerError(QStringLiteral("Field %1 is not an integer").arg(name));
}

double Query::asDouble(const QString& name) const
{
    const QVariant& value = field(name);
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return 0;
    case QMetaType::LongLong:
    case QMetaType::Double:
    case QMetaType::Bool:
        return value.toDouble();
    case QMetaType::QString: {
        bool ok = false;
        const double number = value.toString().trimmed().toDouble(&ok);
        if (ok)
            return number;
        break;
    }
    default:
        break;
    }
    throw layerError(QStringLiteral("Field %1 is not a number").arg(name));
}

QString Query::asString(const QString& name) const
{
    const QVariant& value = field(name);
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return QString();
    case QMetaType::QByteArray:
        return decodeText(CodePage::Cp1251, value.toByteArray());
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 15);
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate);
    case QMetaType::QTime:
        return value.toTime().toString(Qt::ISODateWithMs);
    case QMetaType::QDateTime:
        return value.toDateTime().toString(Qt::ISODateWithMs);
    default:
        return value.toString();
    }
}

QDate Query::asDate(const QString& name) const
{
    const QVariant& value = field(name);
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return QDate();
    case QMetaType::QDate:
        return value.toDate();
    case QMetaType::QDateTime:
        return value.toDateTime().date();
    default:
        throw layerError(QStringLiteral("Field %1 is not a date").arg(name));
    }
}

QTime Query::asTime(const QString& name) const
{
    const QVariant& value = field(name);
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return QTime();
    case QMetaType::QTime:
        return value.toTime();
    case QMetaType::QDateTime:
        return value.toDateTime().time();
    default:
        throw layerError(QStringLiteral("Field %1 is not a time of day").arg(name));
    }
}

QByteArray Query::asBytes(const QString& name) const
{
    const QVariant& value = field(name);
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return QByteArray();
    case QMetaType::QByteArray:
        return value.toByteArray();
    case QMetaType::QString:
        return encodeText(CodePage::Cp1251, value.toString());
    default:
        throw layerError(QStringLiteral("Field %1 is not binary").arg(name));
    }
}

void Query::closeCursor() noexcept
{
    if (!d->cursorOpen)
        return;
    d->cursorOpen = false;
    StatusVector status;
    isc_dsql_free_statement(status.data(), d->statement.get(), DSQL_close);
}

void Query::releaseStatement() noexcept
{
    close();
    d->statement.reset();
    d->prepared = false;
}

void Query::forgetTransaction() noexcept
{
    releaseStatement();
    d->transaction = nullptr;
}
