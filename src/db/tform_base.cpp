#include "db/tform_base.h"

#include "db/database_error.h"

namespace {

const QStringList DefaultConnectionParams {
    QStringLiteral("user_name=SYSDBA"),
    QStringLiteral("password=diradivev"),
    QStringLiteral("lc_ctype=WIN1251"),
};

QStringList tileStatement(const QString& nameFrom, const QString& nameTo, int lastTile)
{
    return {
        QStringLiteral("SELECT MY_PARAM.NAME_PARAM, MY_PARAM.STRING_PARAM, MY_PARAM.IMAGE_PARAM, MY_PARAM.MEMO_PARAM,"),
        QStringLiteral("MY_PARAM.INTEGER_PARAM, MY_PARAM.FLOAT_PARAM, MENU_STR.CENA, MENU_STR.NAME, MENU_STR.KOD_BLUDO_CALC_PROGRAM FROM MY_PARAM"),
        QStringLiteral("JOIN MENU_STR ON CAST(MENU_STR.KOD_BLUDO_CALC_PROGRAM AS VARCHAR(25)) = MY_PARAM.STRING_PARAM"),
        QStringLiteral("JOIN SPISOK_MENU ON SPISOK_MENU.KOD = MENU_STR.KOD_MENU"),
        QStringLiteral("JOIN SMENA ON SMENA.KOD_MENU = SPISOK_MENU.KOD"),
        QStringLiteral("WHERE NAME_PARAM >= '%1' AND NAME_PARAM <= '%2' ").arg(nameFrom, nameTo),
        QStringLiteral("AND INTEGER_PARAM >= 1 AND INTEGER_PARAM <= %1 AND SMENA.STATUS < 10").arg(lastTile),
    };
}

} // namespace

void setStatement(Query& query, const QStringList& lines)
{
    query.setSql(lines);
}

bool TForm_Base::dropConnectionIfLost()
{
    if (MyDB.isAlive())
        return false;
    try {
        MyDB.disconnect();
    } catch (const DatabaseError&) {
        // The detach of a lost attachment may fail; the attachment and
        // everything on it are released all the same.
    }
    return true;
}

void TForm_Base::restoreConnection()
{
    if (!MyDB.isConnected())
        MyDB.connect();
    if (!QSmena.isOpen())
        QSmena.open();
}

TForm_Base::TForm_Base()
    : TransactionRead(MyDB, {QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")})
    , TransactionWrite(MyDB, {QStringLiteral("write"), QStringLiteral("consistency")})
    , QRead1(TransactionRead)
    , QWrite1(TransactionWrite)
    , MyStoredProc(TransactionWrite)
    , QPerson(TransactionRead)
    , QSmena(TransactionRead)
    , QReadI(TransactionRead)
    , QReadI2(TransactionRead)
    , Q_Status(TransactionRead)
{
    setObjectName(QStringLiteral("Form_Base"));
    MyDB.setParams(DefaultConnectionParams);
    QPerson.setSql({QStringLiteral("SELECT * FROM PERSON")});
    QSmena.setSql({QStringLiteral("SELECT KOD, KOD_MENU FROM SMENA WHERE STATUS < 10")});
    QReadI.setSql(tileStatement(QStringLiteral("2anel1"), QStringLiteral("2anel999"), 216));
    QReadI2.setSql(tileStatement(QStringLiteral("Panel1"), QStringLiteral("Panel999"), 405));
}
