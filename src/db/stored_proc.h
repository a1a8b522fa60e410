// A call of a stored procedure with input parameters on a transaction. The
// procedure's parameter names are read from the database when the procedure
// is chosen, so they are set by name like those of a query.
#pragma once

#include "db/query.h"

class StoredProc : private Query {
public:
    explicit StoredProc(Transaction& transaction);

    // Looks up the procedure's input parameters; choosing the same
    // procedure again keeps the prepared call and its parameter values.
    void setProcedureName(const QString& name);
    const QString& procedureName() const { return name_; }

    using Query::setDate;
    using Query::setDouble;
    using Query::setInt32;
    using Query::setInt64;
    using Query::setNull;
    using Query::setString;
    using Query::setTime;
    using Query::exec;

private:
    Transaction& transaction_;
    QString name_;
};
