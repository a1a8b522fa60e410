// Sending an order into a real database: what is written, in which order,
// and what happens when a dialog is cancelled, the shift is closed, a line
// fails or the connection is lost.
#include "db/database.h"
#include "db/query.h"
#include "db/tform_base.h"
#include "db/transaction.h"
#include "order/localtable/local_table.h"
#include "order/order_fixture.h"
#include "order/order_grid.h"
#include "send/tform_date.h"
#include "send/tform_info.h"
#include "startup/application.h"
#include "startup/program_state.h"
#include "startup/tform_vhod.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>

namespace {

class OrderSend : public OrderFixture {
protected:
    OrderSend()
    {
        // The procedure records each call with the number of the order's
        // lines written so far, and fails for dish 101 while FAIL_GEN is
        // above 0. A generator, since it takes no lock: the terminal's
        // write transaction reserves every table the procedure reads.
        database.run(QStringLiteral(R"(
CREATE GENERATOR FAIL_GEN;
CREATE TABLE CALL_LOG (SEQ INTEGER, LINE_KOD BIGINT, LINES_WRITTEN INTEGER);
CREATE GENERATOR LOG_GEN;
SET TERM ^ ;
ALTER PROCEDURE ADD_ZAKAZ_STR (KOD BIGINT)
AS
BEGIN
  IF (GEN_ID(FAIL_GEN, 0) > 0 AND EXISTS (SELECT 1 FROM ZAKAZ_STR S WHERE S.KOD = :KOD AND S.KOD_BLUDO_CALC = 101)) THEN
    EXCEPTION ZAKAZ_STR_UNKNOWN;
  INSERT INTO CALL_LOG (SEQ, LINE_KOD, LINES_WRITTEN)
  SELECT GEN_ID(LOG_GEN, 1), :KOD, COUNT(*) FROM ZAKAZ_STR A
  WHERE A.KOD_ZAKAZ = (SELECT B.KOD_ZAKAZ FROM ZAKAZ_STR B WHERE B.KOD = :KOD);
END^
SET TERM ; ^
INSERT INTO PERSON (KOD, LOGIN, PASSW) VALUES (5, 'anna', '1');
)"));
        addDish(101, QStringLiteral("Борщ"), 150.5);
        addDish(102, QStringLiteral("Чай"), 25);
        addDish(103, QStringLiteral("Вода"), 1.5);
        addTileRow(QStringLiteral("2anel1"), 1, 101);
        addTileRow(QStringLiteral("2anel2"), 2, 102);
        addTileRow(QStringLiteral("2anel3"), 3, 103);
        addTileRow(QStringLiteral("Panel1"), 1, 101);
        addTileRow(QStringLiteral("Panel2"), 2, 102);
    }

    void startLoggedIn(bool mainLayout = true)
    {
        if (mainLayout)
            useMainLayout();
        ui.answerModal([](QDialog& dialog) {
            Form_Vhod->ELogin->setText(QStringLiteral("anna"));
            Form_Vhod->EPassword->setText(QStringLiteral("1"));
            Form_Vhod->BitBtn1->click();
            return dialog.result();
        });
        if (!mainLayout)
            ui.answerModal([](QDialog&) { return QDialog::Rejected; }); // the 45-tile screen's own loop
        start();
        ASSERT_EQ(CurrentLogin, QStringLiteral("anna"));
        ui.clear();
        resetProgramEnd();
    }

    // Through the event loop's delivery, so that a failure reaches the
    // application's error handling as it does for a real touch.
    static void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    static void touch(int tile)
    {
        QWidget* memo = tileOf(tile).memo;
        QTest::mousePress(memo, Qt::LeftButton);
        QTest::mouseRelease(memo, Qt::LeftButton);
    }

    // Answers the due-date dialog (OK with the given moment, or Cancel) and the confirmation.
    void answerSend(bool dateOk = true, bool confirm = true, QDateTime due = QDateTime(QDate(2027, 1, 15), QTime(13, 45, 30)))
    {
        ui.answerModal([dateOk, due](QDialog& dialog) {
            Form_Date->DateTimePicker1->setDate(due.date());
            Form_Date->DateTimePicker2->setTime(due.time());
            (dateOk ? Form_Date->BitBtn1 : Form_Date->BitBtn2)->click();
            return dialog.result();
        });
        if (dateOk)
            ui.answerConfirmation(confirm);
    }

    // Rows of a query on a connection of the test's own, as text.
    QStringList select(const QString& sql, const QStringList& fields)
    {
        Database connection;
        database.connect(connection);
        Transaction transaction(connection, {QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")});
        Query query(transaction);
        query.setSql({sql});
        query.open();
        QStringList rows;
        for (; !query.eof(); query.next()) {
            QStringList values;
            for (const QString& field : fields)
                values << (query.isNull(field) ? QStringLiteral("null") : query.asString(field));
            rows << values.join(u'|');
        }
        return rows;
    }
    QStringList orders() { return select(QStringLiteral("SELECT KOD FROM ZAKAZ"), {QStringLiteral("KOD")}); }
    qint64 generator() { return select(QStringLiteral("SELECT GEN_ID(MY_GEN, 0) AS G FROM RDB$DATABASE"), {"G"}).value(0).toLongLong(); }
};

} // namespace

TEST_F(OrderSend, WritesTheOrderAndItsLinesInOneTransaction)
{
    startLoggedIn();
    touch(2);
    touch(1);
    touch(1);
    touch(3);
    Form_Main->TKassa.edit();
    Form_Main->TKassa.setDouble(QStringLiteral("KOLVO"), 0.5);
    Form_Main->TKassa.post();
    Form_Main->ShowOrderTotal(TForm_Main::TotalOn::ScreenInUse);
    Form_Info->Memo1->setPlainText(QStringLiteral("к 12:00\nбез лука"));
    const qint64 before = generator();

    answerSend();
    click(Form_Main->BtnKassa);

    ASSERT_TRUE(ui.errors().isEmpty()) << ui.errors().join(u'\n').toStdString();
    ASSERT_EQ(ui.shown().size(), 2u);
    EXPECT_EQ(ui.shown()[0].text, QStringLiteral("Form_Date"));
    EXPECT_EQ(ui.shown()[1].title, QStringLiteral("Отправка заказа"));
    EXPECT_EQ(ui.shown()[1].text, QStringLiteral("Вы действительно собираетесь отправить заказ на сумму 326,75 ?"));

    const qint64 order = before + 1;
    EXPECT_EQ(select(QStringLiteral("SELECT * FROM ZAKAZ"),
                     {"KOD", "INFO_ZAKAZ", "KOD_SMENA", "KOD_MENU", "KOD_KLIENT", "KOD_PERSON", "STATUS", "DATE_OPEN", "TIME_OPEN",
                      "SUMMA", "NEW_SUMMA", "PERCENT_NACENKA", "NAME_NACENKA", "MY_INFO"}),
              QStringList {QStringLiteral("%1|anna|1|1|5|5|1|2027-01-15|13:45:30.000|326.75|326.75|0||к 12:00\r\nбез лука").arg(order)});
    // Keys in table order after the order's own; each line handed to the
    // procedure once, before the next line was written.
    EXPECT_EQ(select(QStringLiteral("SELECT * FROM ZAKAZ_STR ORDER BY KOD"), {"KOD", "KOD_ZAKAZ", "KOD_BLUDO_CALC", "KOLVO"}),
              QStringList({QStringLiteral("%1|%2|102|1").arg(order + 1).arg(order), QStringLiteral("%1|%2|101|2").arg(order + 2).arg(order),
                           QStringLiteral("%1|%2|103|0.5").arg(order + 3).arg(order)}));
    EXPECT_EQ(select(QStringLiteral("SELECT * FROM CALL_LOG ORDER BY SEQ"), {"LINE_KOD", "LINES_WRITTEN"}),
              QStringList({QStringLiteral("%1|1").arg(order + 1), QStringLiteral("%1|2").arg(order + 2), QStringLiteral("%1|3").arg(order + 3)}));
    EXPECT_EQ(generator(), before + 4);

    // The screen is ready for the next order.
    EXPECT_FALSE(OrderOpen);
    EXPECT_TRUE(orderRows().isEmpty());
    EXPECT_EQ(Form_Main->Panel999->text(), QString());
    EXPECT_EQ(Form_Main->Panel999->palette().color(QPalette::Window), buttonFaceColour());
    EXPECT_EQ(Form_Info->Memo1->toPlainText(), QString());
    EXPECT_FALSE(tileOf(1).button->isVisibleTo(tileOf(1).panel));
    EXPECT_FALSE(Form_Base->TransactionWrite.isActive());
}

TEST_F(OrderSend, AnEmptyNoteIsAnEmptyString)
{
    startLoggedIn();
    touch(2);
    answerSend();
    click(Form_Main->BtnKassa);
    EXPECT_EQ(select(QStringLiteral("SELECT MY_INFO, SUMMA FROM ZAKAZ"), {"MY_INFO", "SUMMA"}), QStringList {"|25"});
}

TEST_F(OrderSend, NothingHappensWithoutAnOrder)
{
    startLoggedIn();
    click(Form_Main->BtnKassa);
    touch(2);
    QTest::mouseClick(tileOf(2).button, Qt::LeftButton); // the order is open but has no row
    click(Form_Main->BtnKassa);
    EXPECT_TRUE(ui.shown().empty());
    EXPECT_TRUE(orders().isEmpty());
}

TEST_F(OrderSend, CancelInEitherDialogWritesNothing)
{
    startLoggedIn();
    touch(1);
    Form_Info->Memo1->setPlainText(QStringLiteral("заметка"));
    for (const bool dateOk : {false, true}) {
        answerSend(dateOk, false);
        click(Form_Main->BtnKassa);
    }
    EXPECT_TRUE(orders().isEmpty());
    EXPECT_TRUE(OrderOpen);
    EXPECT_EQ(orderRows(), QStringList {"101 x 1"});
    EXPECT_EQ(Form_Info->Memo1->toPlainText(), QStringLiteral("заметка"));
    EXPECT_FALSE(Form_Base->TransactionWrite.isActive());
}

TEST_F(OrderSend, DueDateDialogOpensAtTodayAndNow)
{
    startLoggedIn();
    for (int send = 0; send < 2; ++send) {
        touch(1);
        ui.answerModal([](QDialog& dialog) {
            EXPECT_EQ(Form_Date->DateTimePicker1->date(), QDate::currentDate());
            EXPECT_LE(std::abs(Form_Date->DateTimePicker2->time().secsTo(QTime::currentTime())), 60);
            Form_Date->DateTimePicker1->setDate(QDate(2030, 5, 5));
            Form_Date->BitBtn1->click();
            return dialog.result();
        });
        ui.answerConfirmation(true);
        click(Form_Main->BtnKassa);
    }
    EXPECT_EQ(select(QStringLiteral("SELECT DATE_OPEN FROM ZAKAZ"), {"DATE_OPEN"}), QStringList({"2030-05-05", "2030-05-05"}));
}

TEST_F(OrderSend, AClosedShiftEndsTheProgramWithNothingWritten)
{
    startLoggedIn();
    touch(1);
    database.run(QStringLiteral("UPDATE SMENA SET STATUS = 10"));
    answerSend();
    click(Form_Main->BtnKassa);
    EXPECT_EQ(ui.messages().value(0).left(30), QStringLiteral("Оператор закрыл на сервере сме"));
    EXPECT_TRUE(programEndRequested());
    EXPECT_TRUE(orders().isEmpty());
    EXPECT_EQ(orderRows(), QStringList {"101 x 1"});
}

TEST_F(OrderSend, AFailedLineCommitsNothingAndTheRetryWritesTheWholeOrderOnce)
{
    startLoggedIn();
    touch(2);
    touch(1);
    touch(3);
    Form_Info->Memo1->setPlainText(QStringLiteral("заметка"));
    select(QStringLiteral("SELECT GEN_ID(FAIL_GEN, 1) AS G FROM RDB$DATABASE"), {"G"});
    const qint64 before = generator();
    answerSend();
    click(Form_Main->BtnKassa); // the error reaches the application's handler

    ASSERT_EQ(ui.errors().size(), 1);
    EXPECT_TRUE(ui.errors()[0].contains(QStringLiteral("Строка заказа не найдена"))) << ui.errors()[0].toStdString();
    // The partial writes are rolled back at once: no other connection sees
    // them, and another terminal can write the order tables straight away.
    EXPECT_FALSE(Form_Base->TransactionWrite.isActive());
    EXPECT_TRUE(orders().isEmpty());
    {
        Database otherTerminal;
        database.connect(otherTerminal);
        Transaction reserving(otherTerminal, {QStringLiteral("write"), QStringLiteral("consistency"), QStringLiteral("nowait")});
        Query write(reserving);
        for (const char* table : {"ZAKAZ", "ZAKAZ_STR"}) {
            write.setSql({QStringLiteral("UPDATE %1 SET KOD = KOD WHERE KOD = -1").arg(QLatin1String(table))});
            EXPECT_NO_THROW(write.exec()) << table;
        }
        reserving.rollback();
    }
    EXPECT_TRUE(OrderOpen);
    EXPECT_EQ(orderRows(), QStringList({"102 x 1", "101 x 1", "103 x 1"}));
    EXPECT_EQ(Form_Main->Panel999->text(), QStringLiteral("177,00"));
    EXPECT_EQ(Form_Info->Memo1->toPlainText(), QStringLiteral("заметка"));

    select(QStringLiteral("SELECT GEN_ID(FAIL_GEN, -1) AS G FROM RDB$DATABASE"), {"G"});
    ui.clear();
    answerSend();
    click(Form_Main->BtnKassa);
    ASSERT_TRUE(ui.errors().isEmpty()) << ui.errors().join(u'\n').toStdString();
    const qint64 order = before + 4; // three keys went to the failed attempt
    EXPECT_EQ(orders(), QStringList {QString::number(order)});
    EXPECT_EQ(select(QStringLiteral("SELECT KOD, KOD_ZAKAZ FROM ZAKAZ_STR ORDER BY KOD"), {"KOD", "KOD_ZAKAZ"}),
              QStringList({QStringLiteral("%1|%2").arg(order + 1).arg(order), QStringLiteral("%1|%2").arg(order + 2).arg(order),
                           QStringLiteral("%1|%2").arg(order + 3).arg(order)}));
}

TEST_F(OrderSend, TextTheDatabaseCannotHoldIsRefusedAndKept)
{
    startLoggedIn();
    touch(1);
    Form_Info->Memo1->setPlainText(QStringLiteral("без сахара \U0001F600"));
    const qint64 before = generator();
    answerSend();
    click(Form_Main->BtnKassa);
    ASSERT_EQ(ui.errors().size(), 1);
    EXPECT_TRUE(ui.errors()[0].contains(QStringLiteral("\U0001F600"))) << ui.errors()[0].toStdString();
    EXPECT_EQ(Form_Info->Memo1->toPlainText(), QStringLiteral("без сахара \U0001F600"));
    EXPECT_EQ(orderRows(), QStringList {"101 x 1"});
    EXPECT_EQ(generator(), before);
    EXPECT_TRUE(orders().isEmpty());
}

TEST_F(OrderSend, ALostConnectionLeavesTheOrderOnScreen)
{
    startLoggedIn();
    touch(1);
    // The connection is cut while the due-date dialog is open.
    ui.answerModal([this](QDialog& dialog) {
        database.run(QStringLiteral("DELETE FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION"));
        Form_Date->BitBtn1->click();
        return dialog.result();
    });
    ui.answerConfirmation(true);
    click(Form_Main->BtnKassa);
    EXPECT_EQ(ui.errors().size(), 1);
    EXPECT_FALSE(programEndRequested());
    EXPECT_TRUE(OrderOpen);
    EXPECT_EQ(orderRows(), QStringList {"101 x 1"});
    EXPECT_EQ(Form_Main->Panel999->text(), QStringLiteral("150,50"));
    EXPECT_TRUE(orders().isEmpty());
}

TEST_F(OrderSend, TheFortyFiveTileScreenSendsWithItsOwnTotal)
{
    startLoggedIn(false);
    ASSERT_TRUE(UseFormP2);
    touch(1);
    touch(2);
    answerSend();
    click(Form_P2->BtnKassa);
    ASSERT_TRUE(ui.errors().isEmpty()) << ui.errors().join(u'\n').toStdString();
    EXPECT_EQ(ui.shown()[1].text, QStringLiteral("Вы действительно собираетесь отправить заказ на сумму 175,50 ?"));
    EXPECT_EQ(select(QStringLiteral("SELECT SUMMA FROM ZAKAZ"), {"SUMMA"}), QStringList {"175.5"});
    EXPECT_EQ(Form_P2->Panel999->text(), QString());
}

TEST_F(OrderSend, NoteDialogCancelEmptiesTheNote)
{
    startLoggedIn();
    Form_Info->Memo1->setPlainText(QStringLiteral("старая"));
    ui.answerModal([](QDialog& dialog) {
        Form_Info->Memo1->setPlainText(QStringLiteral("новая"));
        Form_Info->BitBtn1->click();
        return dialog.result();
    });
    Form_Main->BtnInfo->click();
    EXPECT_EQ(Form_Info->Memo1->toPlainText(), QStringLiteral("новая"));
    ui.answerModal([](QDialog& dialog) {
        Form_Info->BitBtn2->click();
        return dialog.result();
    });
    Form_P2->BtnInfo->click();
    EXPECT_EQ(Form_Info->Memo1->toPlainText(), QString());
}
