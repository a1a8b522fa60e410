#include "db/stored_proc.h"

#include "db/database_error.h"

StoredProc::StoredProc(Transaction& transaction) : Query(transaction), transaction_(transaction) {}

void StoredProc::setProcedureName(const QString& name)
{
    const QString upper = name.trimmed().toUpper();
    if (upper == name_ && isPrepared())
        return;
    Query parameters(transaction_);
    parameters.setSql({QStringLiteral("SELECT RDB$PARAMETER_NAME FROM RDB$PROCEDURE_PARAMETERS"),
                       QStringLiteral("WHERE RDB$PROCEDURE_NAME = :P AND RDB$PARAMETER_TYPE = 0"),
                       QStringLiteral("ORDER BY RDB$PARAMETER_NUMBER")});
    parameters.setString(QStringLiteral("P"), upper);
    parameters.open();
    QStringList markers;
    for (; !parameters.eof(); parameters.next())
        markers << u':' + parameters.asString(QStringLiteral("RDB$PARAMETER_NAME")).trimmed();
    QString call = QStringLiteral("EXECUTE PROCEDURE ") + upper;
    if (!markers.isEmpty())
        call += u'(' + markers.join(QStringLiteral(", ")) + u')';
    setSql({call});
    name_ = upper;
    prepare();
}
