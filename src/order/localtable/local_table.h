// A view on one local dBase table file: a cursor over its live records,
// appending, changing and deleting rows. Every change is written to the file
// at once, header included, so that a view opened afterwards sees it.
#pragma once

#include "order/localtable/dbf_file.h"
#include "order/localtable/dbf_header.h"
#include "order/localtable/local_row.h"

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class LocalTable : public QObject {
    Q_OBJECT

public:
    // Computes a column that is not stored, from the row's stored columns.
    using CalcHandler = std::function<double(const LocalRow&)>;

    explicit LocalTable(QObject* parent = nullptr);
    ~LocalTable() override;

    // Path and mode take effect at the next open.
    void setPath(const QString& path) { path_ = path; }
    const QString& path() const { return path_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool isReadOnly() const { return readOnly_; }
    void setCalculatedColumn(const QString& name, CalcHandler handler);

    // Reads the header and the records; a view opened for writing stamps
    // today's date into the header and writes it back. Nothing happens when
    // the view is open already. The first live record becomes current.
    void open();
    // An unposted change is discarded.
    void close();
    bool isOpen() const { return file_.isOpen(); }

    // Moving posts a pending change first, as append() and edit() do.
    void first();
    // At the last live record, sets the end marker and keeps the record.
    void next();
    // At the first live record, sets the start marker and keeps the record.
    void prior();
    bool atStart() const { return atStart_; }
    bool atEnd() const { return atEnd_; }

    // Live rows are numbered from 0 in file order; -1 is no current row.
    int currentRow() const { return current_; }
    void setCurrentRow(int row);
    int LiveRowCount() const { return static_cast<int>(live_.size()); }

    // The current row; while a change is pending, the row being changed.
    LocalRow current() const;
    LocalRow row(int liveRow) const;
    qint64 asInteger(const QString& column) const { return current().asInteger(column); }
    double asDouble(const QString& column) const { return current().asDouble(column); }
    QString asText(const QString& column) const { return current().asText(column); }

    // Starts a new row with every column blank; post() writes it at the end
    // of the file and makes it the current row.
    void append();
    // Starts changing the current row; post() writes it back in place.
    void edit();
    bool isChanging() const { return state_ != State::Browse; }
    void setInteger(const QString& column, qint64 value);
    void setDouble(const QString& column, double value);
    void setText(const QString& column, const QString& value);
    void post();
    void cancel();
    // Marks the current row deleted; the next live row becomes current, or
    // the previous one when it was the last. A pending edit of the row is
    // dropped, and a pending append is dropped instead of deleting anything.
    void deleteRow();

Q_SIGNALS:
    // The set of live rows is about to change / has changed (open, close,
    // append, delete).
    void rowsAboutToChange();
    void rowsChanged();
    // A live row's values changed in place.
    void rowChanged(int row);
    void currentRowChanged(int row);

private:
    friend class LocalRow;
    enum class State { Browse, Edit, Append };

    const DbfColumn* storedColumn(const QString& name) const;
    const CalcHandler* calculatedColumn(const QString& name) const;
    CodePage codePage() const { return header_.codePage; }

    void requireOpen() const;
    void requireWritable() const;
    void requireChanging() const;
    const DbfColumn& assignable(const QString& name) const;
    void putField(const DbfColumn& column, const QByteArray& field);
    [[noreturn]] void doesNotFit(const DbfColumn& column, const QString& value) const;
    const char* record(qint64 number) const;
    void writeHeaderStamp();
    void finishPendingChange();
    void moveTo(int row, bool atStart, bool atEnd);

    QString path_;
    bool readOnly_ = false;
    std::vector<std::pair<QString, CalcHandler>> calculated_;

    DbfFile file_;
    bool writable_ = false; // the mode the file was opened in
    DbfHeader header_;
    QByteArray records_;      // every record of the file, deleted ones too
    std::vector<qint64> live_; // record numbers of the live records
    int current_ = -1;
    bool atStart_ = true;
    bool atEnd_ = true;
    State state_ = State::Browse;
    QByteArray buffer_; // the row being changed
};
