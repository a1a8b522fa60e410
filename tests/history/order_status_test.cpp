// The status button against a real database: the period dialog, the orders
// of the logged-in user whose due date lies in the period, in due order, and
// the status window's grid.
#include "db/tform_base.h"
#include "history/tform_period.h"
#include "history/tform_status.h"
#include "order/order_fixture.h"
#include "startup/application.h"
#include "startup/program_state.h"

#include <QDateEdit>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

namespace {

class OrderStatus : public OrderFixture {
protected:
    OrderStatus()
    {
        // User 7's orders, another user's, and lines that give KASSA.
        database.run(QStringLiteral(
            "INSERT INTO ZAKAZ (KOD, KOD_KLIENT, STATUS, KOD_SMENA, DATE_OPEN, TIME_OPEN, DATE_STATUS, TIME_STATUS, DATE_CLOSE, TIME_CLOSE)"
            " VALUES (1, 7, 3, 10, '2024-03-05', '18:30:00', '2024-03-04', '10:00:05', '2024-03-05', '18:45:30');"
            "INSERT INTO ZAKAZ (KOD, KOD_KLIENT, STATUS, KOD_SMENA, DATE_OPEN, TIME_OPEN)"
            " VALUES (2, 7, 1, 10, '2024-03-05', '09:15:00');"
            "INSERT INTO ZAKAZ (KOD, KOD_KLIENT, STATUS, KOD_SMENA, DATE_OPEN, TIME_OPEN)"
            " VALUES (3, 8, 1, 10, '2024-03-05', '12:00:00');"
            "INSERT INTO ZAKAZ (KOD, KOD_KLIENT, STATUS, KOD_SMENA, DATE_OPEN, TIME_OPEN, DATE_STATUS, TIME_STATUS)"
            " VALUES (4, 7, 2, 10, '2024-03-07', '12:00:00', '2024-03-05', '11:00:00');"
            "INSERT INTO ZAKAZ (KOD, KOD_KLIENT, STATUS, KOD_SMENA, DATE_OPEN, TIME_OPEN)"
            " VALUES (5, 7, 1, 10, '2024-03-03', '08:00:00');"
            "INSERT INTO ZAKAZ (KOD, KOD_KLIENT, STATUS, KOD_SMENA, DATE_OPEN, TIME_OPEN)"
            " VALUES (6, 7, 1, 10, '2024-03-06', '23:59:59');"
            "INSERT INTO ZAKAZ_STR (KOD, KOD_ZAKAZ, KOD_BLUDO_CALC, KOLVO, CENA) VALUES (11, 1, 101, 2, 150.5);"
            "INSERT INTO ZAKAZ_STR (KOD, KOD_ZAKAZ, KOD_BLUDO_CALC, KOLVO, CENA) VALUES (21, 2, 102, 1, 25);"
            "INSERT INTO ZAKAZ_STR (KOD, KOD_ZAKAZ, KOD_BLUDO_CALC, KOLVO, CENA) VALUES (41, 4, 102, 0.5, 25);"));
    }

    void startAs(qint32 personKod)
    {
        start();
        ui.clear();
        CurrentPersonKod = personKod;
    }

    // Answers the period dialog with these dates and OK.
    void choosePeriod(QDate from, QDate to)
    {
        ui.answerModal([from, to](QDialog& d) {
            auto& period = static_cast<TForm_Period&>(d);
            period.DateTimePicker1->setDate(from);
            period.DateTimePicker2->setDate(to);
            period.BitBtn1->click();
            return d.result();
        });
    }

    // The grid as the user sees it while the status window is open.
    void answerStatusWindow()
    {
        ui.answerModal([this](QDialog& d) {
            shownGrid = gridText(*static_cast<TForm_Status&>(d).JvDBGrid1);
            return int(QDialog::Rejected);
        });
    }

    void pressStatus()
    {
        runReportingErrors([] { Form_Main->Btn_Status->click(); });
    }

    static QStringList gridText(const QTableView& grid)
    {
        QStringList rows;
        const QAbstractItemModel& model = *grid.model();
        for (int r = 0; r < model.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model.columnCount(); ++c)
                cells << model.index(r, c).data().toString();
            rows << cells.join(QStringLiteral(" | "));
        }
        return rows;
    }

    QStringList modalsShown() const
    {
        QStringList names;
        for (const Shown& s : ui.shown())
            if (s.kind == Shown::Kind::Modal)
                names << s.text;
        return names;
    }

    std::optional<QStringList> shownGrid;
};

const QString Z1 = QStringLiteral("05.03.2024 | 18:30:00 | 04.03.2024 | 10:00:05 | 05.03.2024 | 18:45:30 | 301");
const QString Z2 = QStringLiteral("05.03.2024 | 09:15:00 |  |  |  |  | 25");
const QString Z4 = QStringLiteral("07.03.2024 | 12:00:00 | 05.03.2024 | 11:00:00 |  |  | 12,5");
const QString Z5 = QStringLiteral("03.03.2024 | 08:00:00 |  |  |  |  | 0");
const QString Z6 = QStringLiteral("06.03.2024 | 23:59:59 |  |  |  |  | 0");

} // namespace

TEST_F(OrderStatus, ListsTheUsersOrdersDueInThePeriodInDueOrder)
{
    startAs(7);
    const struct {
        const char* what;
        QDate from, to;
        QStringList rows;
    } cases[] = {
        // Order 4 was accepted on the 5th but is due on the 7th; order 3 is another user's.
        {"one day", QDate(2024, 3, 5), QDate(2024, 3, 5), {Z2, Z1}},
        {"both ends included", QDate(2024, 3, 3), QDate(2024, 3, 7), {Z5, Z2, Z1, Z6, Z4}},
        {"a day with only an acceptance", QDate(2024, 3, 4), QDate(2024, 3, 4), {}},
        {"no orders", QDate(2024, 4, 1), QDate(2024, 4, 30), {}},
    };
    for (const auto& c : cases) {
        ui.clear();
        shownGrid.reset();
        choosePeriod(c.from, c.to);
        answerStatusWindow();
        pressStatus();
        EXPECT_EQ(modalsShown(), (QStringList {"Form_Period", "Form_Status"})) << c.what;
        ASSERT_TRUE(shownGrid) << c.what;
        EXPECT_EQ(*shownGrid, c.rows) << c.what;
    }

    // The query stays open after the window has closed.
    const Query& status = Form_Base->Q_Status;
    EXPECT_TRUE(status.isOpen());
    EXPECT_EQ(status.sql(),
              QStringLiteral("SELECT DATE_OPEN, TIME_OPEN, STATUS, KOD_SMENA, DATE_CLOSE, TIME_CLOSE, DATE_STATUS, TIME_STATUS, KASSA FROM ZAKAZ\n"
                             "WHERE KOD_KLIENT = 7 AND DATE_OPEN >= :DS AND DATE_OPEN <= :DE\n"
                             "ORDER BY DATE_OPEN, TIME_OPEN"));
}

TEST_F(OrderStatus, AnotherUserSeesOnlyHisOrders)
{
    startAs(8);
    choosePeriod(QDate(2024, 3, 1), QDate(2024, 3, 31));
    answerStatusWindow();
    pressStatus();
    ASSERT_TRUE(shownGrid);
    EXPECT_EQ(*shownGrid, QStringList {QStringLiteral("05.03.2024 | 12:00:00 |  |  |  |  | 0")});
}

TEST_F(OrderStatus, PeriodDialogStartsAtTodayAndKeepsTheLastDates)
{
    startAs(7);
    QDate shownFrom, shownTo;
    const auto look = [&](QDialog& d) {
        auto& period = static_cast<TForm_Period&>(d);
        shownFrom = period.DateTimePicker1->date();
        shownTo = period.DateTimePicker2->date();
    };
    ui.answerModal([&](QDialog& d) {
        look(d);
        auto& period = static_cast<TForm_Period&>(d);
        period.DateTimePicker1->setDate(QDate(2024, 3, 3));
        period.DateTimePicker2->setDate(QDate(2024, 3, 6));
        period.BitBtn1->click();
        return d.result();
    });
    answerStatusWindow();
    pressStatus();
    EXPECT_EQ(shownFrom, QDate::currentDate());
    EXPECT_EQ(shownTo, QDate::currentDate());

    // Cancel shows nothing more and leaves the last result open.
    ui.clear();
    ui.answerModal([&](QDialog& d) {
        look(d);
        static_cast<TForm_Period&>(d).BitBtn2->click();
        return d.result();
    });
    pressStatus();
    EXPECT_EQ(shownFrom, QDate(2024, 3, 3));
    EXPECT_EQ(shownTo, QDate(2024, 3, 6));
    EXPECT_EQ(modalsShown(), QStringList {"Form_Period"});
    EXPECT_TRUE(Form_Base->Q_Status.isOpen());
    EXPECT_EQ(Form_Base->Q_Status.recordCount(), 4);

    ui.clear();
    ui.answerModal([&](QDialog& d) {
        look(d);
        return int(QDialog::Rejected);
    });
    pressStatus();
    EXPECT_EQ(shownFrom, QDate(2024, 3, 3));
    EXPECT_EQ(shownTo, QDate(2024, 3, 6));
}

TEST_F(OrderStatus, StartAfterEndIsRefusedUntilCorrected)
{
    startAs(7);
    ui.answerModal([this](QDialog& d) {
        auto& period = static_cast<TForm_Period&>(d);
        period.DateTimePicker1->setDate(QDate(2024, 3, 6));
        period.DateTimePicker2->setDate(QDate(2024, 3, 5));
        period.BitBtn2->setFocus();
        period.BitBtn1->click();
        EXPECT_EQ(ui.messages(), QStringList {"Дата начала периода не может быть больше даты окончания периода !"});
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.result(), QDialog::Rejected);
        EXPECT_EQ(d.focusWidget(), period.DateTimePicker1);
        period.DateTimePicker1->setDate(QDate(2024, 3, 5));
        period.BitBtn1->click();
        return d.result();
    });
    answerStatusWindow();
    pressStatus();
    ASSERT_TRUE(shownGrid);
    EXPECT_EQ(*shownGrid, (QStringList {Z2, Z1}));
    EXPECT_EQ(ui.messages().size(), 1);
}

TEST_F(OrderStatus, WindowsKeepTheirLayout)
{
    // Dialogs are scaled by 1600 / 800 on this screen; the status window is not.
    setScreen({1600, 1200});
    startAs(7);
    ASSERT_TRUE(ScaleToScreen);
    EXPECT_EQ(Form_Period->BitBtn1->size(), QSize(240, 58));
    EXPECT_EQ(Form_Period->DateTimePicker1->width(), 240);
    EXPECT_TRUE(Form_Period->BitBtn3->isHidden());
    EXPECT_TRUE(Form_Status->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(Form_Period->windowFlags().testFlag(Qt::WindowCloseButtonHint));

    const QTableView& grid = *Form_Status->JvDBGrid1;
    EXPECT_EQ(grid.size(), QSize(715, 473));
    const QStringList titles {"Дата заказа", "Время заказа", "Дата принятия", "Время принятия",
                              "Дата исполнения", "Время исполнения", "Сумма"};
    ASSERT_EQ(grid.model()->columnCount(), titles.size());
    for (int c = 0; c < titles.size(); ++c) {
        EXPECT_EQ(grid.model()->headerData(c, Qt::Horizontal).toString(), titles[c]);
        EXPECT_EQ(grid.model()->headerData(c, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::blue));
    }
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(grid.columnWidth(c), 100) << c;
}

TEST_F(OrderStatus, DatabaseErrorIsShownAndTheWindowIsNot)
{
    database.run(QStringLiteral("ALTER TABLE ZAKAZ DROP KASSA;"));
    startAs(7);
    choosePeriod(QDate(2024, 3, 5), QDate(2024, 3, 5));
    answerStatusWindow();
    pressStatus();
    ASSERT_EQ(ui.errors().size(), 1);
    EXPECT_TRUE(ui.errors().first().contains(QLatin1String("KASSA"))) << ui.errors().first().toStdString();
    EXPECT_EQ(modalsShown(), QStringList {"Form_Period"});
    EXPECT_FALSE(shownGrid);
}
