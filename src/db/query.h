// A statement on a transaction: its SQL text is set as lines, with named
// parameters (":N") set by name and typed, then it is opened (a select) or
// executed. Rows are kept in memory as they are fetched, so a result can be
// scanned again from its first row; fields are read by column name.
//
// Text, text BLOBs and the SQL itself travel in code page 1251; text that
// code page cannot hold is refused before anything is sent.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>
#include <memory>

class Transaction;

class Query {
public:
    explicit Query(Transaction& transaction);
    // Closes and frees the statement; never throws.
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    // Closes the query and drops its text and parameter values.
    void clear();
    void addLine(const QString& line);
    // Replaces the text and drops the parameter values; the same text again
    // keeps the statement prepared.
    void setSql(const QStringList& lines);
    // The lines joined by "\n".
    QString sql() const;
    // With false the text goes to the server as written, for statements
    // whose own ":name" must stay (procedure bodies); on by default.
    void setParamCheck(bool on);

    // Parameter values, by name without the colon, case-insensitive. A name
    // the text does not use throws. Values are kept until the text changes.
    void setInt32(const QString& name, qint32 value);
    void setInt64(const QString& name, qint64 value);
    void setDouble(const QString& name, double value);
    void setString(const QString& name, const QString& value);
    void setDate(const QString& name, const QDate& value);
    void setTime(const QString& name, const QTime& value);
    // Bytes for a binary BLOB parameter.
    void setBytes(const QString& name, const QByteArray& value);
    void setNull(const QString& name);

    // Starts the transaction when it is not active. open() and exec()
    // prepare when needed.
    void prepare();
    bool isPrepared() const;
    // Runs a select and moves to its first row; throws for other statements.
    void open();
    // Runs a statement that is not a select. Every parameter needs a value.
    void exec();
    // Ends the result and forgets its rows; the statement stays prepared.
    void close();
    bool isOpen() const;

    void first();
    // Past the last row eof() becomes true and the last row stays current.
    void next();
    bool eof() const;
    // Fetches the remaining rows and moves to the first one.
    void fetchAll();
    int recordCount() const;

    // Column names of the result (aliases: "MAX" for MAX(NUMBER_VER)).
    QStringList fieldNames() const;
    // Fields of the current row by column name, case-insensitive; an unknown
    // name throws. NULL, or no current row, reads as 0, empty or invalid.
    bool isNull(const QString& field) const;
    // The low 32 bits of an integer column as a signed value.
    qint32 asInt32(const QString& field) const;
    qint64 asInt64(const QString& field) const;
    double asDouble(const QString& field) const;
    // Text, including text BLOBs.
    QString asString(const QString& field) const;
    QDate asDate(const QString& field) const;
    QTime asTime(const QString& field) const;
    // Binary BLOBs.
    QByteArray asBytes(const QString& field) const;

private:
    friend class Transaction;

    struct Private;
    std::unique_ptr<Private> d;

    void setParameter(const QString& name, const QVariant& value);
    const QVariant& field(const QString& name) const;
    void execute(bool select);
    bool fetchRow();
    void closeCursor() noexcept;
    void releaseStatement() noexcept;
    void forgetTransaction() noexcept;
};
