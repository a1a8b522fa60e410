// Sending an order: the order row and one line row per local row go into
// the restaurant database in one write transaction, each line handed to
// ADD_ZAKAZ_STR right after its insert; then the screen is cleared for the
// next order. A failure on the way rolls the partial writes back at once and
// leaves the order on screen, so that the next send writes it whole.
// When the failure was the lost attachment (the server stopped or restarted),
// the server has dropped the partial writes itself; the attachment is given
// up, the waiter is told in plain words, and the next send attaches again.
#include "order/tform_main.h"

#include "db/database_error.h"
#include "db/tform_base.h"
#include "order/localtable/prepare_local_tables.h"
#include "order/tform_p2.h"
#include "send/tform_date.h"
#include "send/tform_info.h"
#include "startup/codepages.h"
#include "startup/environment.h"
#include "startup/forms.h"
#include "startup/interaction.h"
#include "startup/program_state.h"
#include "startup/terminal_error.h"

#include <QDateEdit>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>

namespace {

const QString ShiftClosedMessage = QStringLiteral(
    "Оператор закрыл на сервере смену, записать заказ невозможно! Попробуйте повторить заказ через некоторое время. "
    "Программа будет закрыта. Извините за временные неудобства.");

const QString NoConnectionMessage = QStringLiteral(
    "Нет связи с сервером! Заказ не отправлен и остался на экране. "
    "Проверьте связь и отправьте заказ ещё раз.");

// A new key from MY_GEN, drawn on the read transaction so that it is never
// given back and no two terminals share one.
qint32 drawKey(Query& read)
{
    setStatement(read, {QStringLiteral("SELECT GEN_ID(MY_GEN, 1) FROM RDB$DATABASE")});
    read.open();
    const qint32 key = read.asInt32(QStringLiteral("GEN_ID"));
    read.close();
    return key;
}

// The total panel's figure, read back with the locale's rules.
double shownTotal(const QString& text)
{
    bool ok = false;
    const double value = QLocale().toDouble(text, &ok);
    if (!ok)
        throw TerminalError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

// Rolls back what a failed send wrote. The write transaction reserves the
// order tables until it ends, so left open it would hold up every other
// terminal's send until this one sent again.
void abandonWrite()
{
    Transaction& write = Form_Base->TransactionWrite;
    if (!write.isActive())
        return;
    try {
        write.rollback();
    } catch (const DatabaseError&) {
        // The send's own failure is the one shown; the next send begins by
        // rolling back a transaction still active.
    }
}

} // namespace

void TForm_Main::BtnInfoClick()
{
    ui().execModal(*Form_Info);
}

void TForm_Main::BtnKassaClick()
{
    OrderScreenControls& screen = screenInUse();
    if (TKassa.LiveRowCount() == 0 || !OrderOpen || screen.Panel999->text().isEmpty())
        return;
    // Text the database's code page cannot hold is refused before anything
    // is asked or drawn, so the note can be corrected and nothing is lost.
    const QString note = Form_Info->Memo1->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    encodeTextExactly(CodePage::Cp1251, note);

    if (ui().execModal(*Form_Date) != QDialog::Accepted)
        return;
    const QString total = screen.Panel999->text();
    if (!ui().confirmation(QStringLiteral("Отправка заказа"),
                           QStringLiteral("Вы действительно собираетесь отправить заказ на сумму ") + total + QStringLiteral(" ?")))
        return;

    try {
        Form_Base->restoreConnection();
        Query& read = Form_Base->QRead1;
        setStatement(read, {QStringLiteral("SELECT KOD FROM SMENA WHERE STATUS < 10")});
        read.open();
        if (read.eof()) {
            read.close();
            ui().information(ShiftClosedMessage);
            Form_Main->close();
            return;
        }

        Transaction& write = Form_Base->TransactionWrite;
        if (write.isActive())
            write.rollback();
        write.start();

        const qint32 orderKey = drawKey(read);
        const double amount = shownTotal(total);
        Query& insert = Form_Base->QWrite1;
        setStatement(insert, {
            QStringLiteral("INSERT INTO ZAKAZ (INFO_ZAKAZ, KOD, KOD_SMENA, KOD_MENU, KOD_KLIENT, STATUS, DATE_OPEN, TIME_OPEN, "
                           "SUMMA, NEW_SUMMA, PERCENT_NACENKA, NAME_NACENKA, MY_INFO, KOD_PERSON)"),
            QStringLiteral("VALUES (:IZ, :KD, :KS, :KM, :KK, :ST, :DO, :TO, :SS, :NS, :PN, :NN, :MI, :KP)"),
        });
        insert.setString(QStringLiteral("IZ"), CurrentLogin);
        insert.setInt32(QStringLiteral("KD"), orderKey);
        insert.setInt32(QStringLiteral("KS"), 1);
        insert.setInt32(QStringLiteral("KM"), Form_Base->QSmena.asInt32(QStringLiteral("KOD_MENU")));
        insert.setInt32(QStringLiteral("KK"), CurrentPersonKod);
        insert.setInt32(QStringLiteral("ST"), 1);
        insert.setDate(QStringLiteral("DO"), Form_Date->DateTimePicker1->date());
        insert.setTime(QStringLiteral("TO"), Form_Date->DateTimePicker2->time());
        insert.setDouble(QStringLiteral("SS"), amount);
        insert.setDouble(QStringLiteral("NS"), amount);
        insert.setInt32(QStringLiteral("PN"), 0);
        insert.setString(QStringLiteral("NN"), QString());
        insert.setString(QStringLiteral("MI"), note);
        insert.setInt32(QStringLiteral("KP"), CurrentPersonKod);
        insert.exec();

        StoredProc& addLine = Form_Base->MyStoredProc;
        for (TKassa.first(); !TKassa.atEnd(); TKassa.next()) {
            const qint32 lineKey = drawKey(read);
            setStatement(insert, {QStringLiteral(
                                     "INSERT INTO ZAKAZ_STR (KOD, KOD_ZAKAZ, KOD_BLUDO_CALC, KOLVO) VALUES (:KK, :KZ, :KD, :KV)")});
            insert.setInt32(QStringLiteral("KK"), lineKey);
            insert.setInt32(QStringLiteral("KZ"), orderKey);
            insert.setInt32(QStringLiteral("KD"), static_cast<qint32>(TKassa.asInteger(LocalColumn::KOD)));
            insert.setDouble(QStringLiteral("KV"), TKassa.asDouble(LocalColumn::KOLVO));
            insert.exec();
            addLine.setProcedureName(QStringLiteral("ADD_ZAKAZ_STR"));
            addLine.setInt32(QStringLiteral("KOD"), lineKey);
            addLine.exec();
        }
        write.commit();
    } catch (const DatabaseError&) {
        if (Form_Base->dropConnectionIfLost())
            throw TerminalError(NoConnectionMessage);
        abandonWrite();
        throw;
    } catch (...) {
        abandonWrite();
        throw;
    }

    TKassa.first();
    for (OrderScreenControls* s : bothScreens())
        s->setOrderColours(false);
    OrderOpen = false;
    screen.clearTileButtons();
    BtnCancel->click();
}
