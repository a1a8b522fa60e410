// The print button on the order screen: when it prints, the calls it makes
// for the order and its note, the order after printing, and what the user
// sees when printing fails.
#include "history/order_printout.h"
#include "history/printout_desktop.h"
#include "history/recording_spreadsheet.h"
#include "order/tform_main.h"
#include "send/tform_info.h"
#include "startup/application.h"
#include "startup/program_state.h"
#include "support/terminal_test.h"

#include <QJsonArray>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

class PrintOrder : public TerminalTest {
protected:
    PrintOrder()
    {
        startProgramWithoutDatabase();
        CurrentLogin = QStringLiteral("anna");
    }

    static LocalTable& order() { return Form_Main->TKassa; }

    static void addLine(qint64 kod, const QString& name, double price, double quantity)
    {
        order().append();
        order().setInteger(QStringLiteral("KOD"), kod);
        order().setText(QStringLiteral("NAME"), name);
        order().setDouble(QStringLiteral("CENA"), price);
        order().setDouble(QStringLiteral("KOLVO"), quantity);
        order().post();
        OrderOpen = true;
    }

    static void addThreeLines()
    {
        addLine(101, QStringLiteral("Борщ"), 150.5, 2);
        addLine(102, QStringLiteral("Чай"), 25, 0.5);
        addLine(103, QStringLiteral("Вода"), 1.25, 3);
    }

    static QStringList orderRows()
    {
        QStringList rows;
        for (int i = 0; i < order().LiveRowCount(); ++i) {
            const LocalRow row = order().row(i);
            rows << QStringLiteral("%1 %2 %3 %4")
                        .arg(row.asInteger(QStringLiteral("KOD")))
                        .arg(row.asText(QStringLiteral("NAME")))
                        .arg(row.asDouble(QStringLiteral("CENA")))
                        .arg(row.asDouble(QStringLiteral("KOLVO")));
        }
        return rows;
    }

    // Presses the print button as the user does; a failure reaches the
    // application-wide handling.
    void pressPrint()
    {
        before_ = QDateTime::currentDateTime();
        runReportingErrors([] { Form_Main->Btn_Print->click(); });
        after_ = QDateTime::currentDateTime();
    }

    // The heading takes the time of the press.
    ::testing::AssertionResult isHeadingOfThePress(const QString& heading) const
    {
        if (heading == printoutHeading(CurrentLogin, before_) || heading == printoutHeading(CurrentLogin, after_))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << heading.toStdString();
    }

    // The recorded calls with the heading, checked on its own, in place of its text.
    QStringList callsWithoutHeading() const
    {
        QStringList calls = *log;
        for (QString& call : calls) {
            const QString prefix = QStringLiteral("Cells(1, 1) = string \"");
            if (call.startsWith(prefix)) {
                EXPECT_TRUE(isHeadingOfThePress(call.mid(prefix.size()).chopped(1)));
                call = QStringLiteral("Cells(1, 1) = heading");
            }
        }
        return calls;
    }

    std::shared_ptr<QStringList> log = std::make_shared<QStringList>();
    PrintoutDesktop desktop;

private:
    QDateTime before_, after_;
};

const QStringList TableStart {
    "Columns(1).ColumnWidth = int 4",
    "Columns(2).ColumnWidth = int 54",
    "Columns(3).ColumnWidth = int 11",
    "Columns(4).ColumnWidth = int 11",
    "Columns(5).ColumnWidth = int 11",
    "Range(A1:E1).Merge",
    "Rows(1).Font.Bold = true",
    "Cells(1, 1) = heading",
};

} // namespace

TEST_F(PrintOrder, NothingHappensWithoutAnOpenOrderWithRows)
{
    setSpreadsheetFactory(recordingFactory(log));
    addLine(101, QStringLiteral("Борщ"), 150.5, 1);
    OrderOpen = false;
    pressPrint();
    EXPECT_TRUE(log->isEmpty()) << log->join(u'\n').toStdString();

    order().first();
    order().deleteRow();
    OrderOpen = true;
    pressPrint();
    EXPECT_TRUE(log->isEmpty()) << log->join(u'\n').toStdString();
    EXPECT_TRUE(ui.shown().empty());
}

TEST_F(PrintOrder, OneLineAndNoNote)
{
    setSpreadsheetFactory(recordingFactory(log));
    addLine(101, QStringLiteral("Борщ"), 150.5, 1);
    pressPrint();
    EXPECT_EQ(callsWithoutHeading(), (TableStart + QStringList {
        "Cells(3, 1) = int 1",
        "Cells(3, 2) = string \"Борщ\"",
        "Cells(3, 3) = double 150.5",
        "Cells(3, 4) = double 1",
        "Cells(3, 5) = double 150.5",
        "Rows(4).Font.Bold = true",
        "Cells(4, 5).Formula = =SUM(E2:E3)",
        "Range(A2:E3).Borders.LineStyle = int 1",
        "Range(A2:E3).Borders.Weight = int 2",
        "Range(A2:E3).Borders.ColorIndex = int 0",
        "Visible = true",
        "Release",
    }));
    EXPECT_TRUE(ui.shown().empty());
}

TEST_F(PrintOrder, ThreeLinesAndAThreeLineNoteLeaveTheLastRowCurrent)
{
    setSpreadsheetFactory(recordingFactory(log));
    addThreeLines();
    Form_Info->Memo1->setPlainText(QStringLiteral("Без лука\nПоострее\nК 12:00"));
    order().first();
    const QStringList rowsBefore = orderRows();

    pressPrint();
    EXPECT_EQ(callsWithoutHeading(), (TableStart + QStringList {
        "Cells(3, 1) = int 1",
        "Cells(3, 2) = string \"Борщ\"",
        "Cells(3, 3) = double 150.5",
        "Cells(3, 4) = double 2",
        "Cells(3, 5) = double 301",
        "Cells(4, 1) = int 2",
        "Cells(4, 2) = string \"Чай\"",
        "Cells(4, 3) = double 25",
        "Cells(4, 4) = double 0.5",
        "Cells(4, 5) = double 12.5",
        "Cells(5, 1) = int 3",
        "Cells(5, 2) = string \"Вода\"",
        "Cells(5, 3) = double 1.25",
        "Cells(5, 4) = double 3",
        "Cells(5, 5) = double 3.75",
        "Rows(6).Font.Bold = true",
        "Cells(6, 5).Formula = =SUM(E2:E5)",
        "Range(A2:E5).Borders.LineStyle = int 1",
        "Range(A2:E5).Borders.Weight = int 2",
        "Range(A2:E5).Borders.ColorIndex = int 0",
        "Range(A8:E8).Merge",
        "Cells(8, 1) = string \"Без лука\"",
        "Range(A9:E9).Merge",
        "Cells(9, 1) = string \"Поострее\"",
        "Range(A10:E10).Merge",
        "Cells(10, 1) = string \"К 12:00\"",
        "Visible = true",
        "Release",
    }));
    EXPECT_EQ(order().currentRow(), 2);
    EXPECT_EQ(orderRows(), rowsBefore);
    EXPECT_TRUE(OrderOpen);
    EXPECT_EQ(Form_Info->Memo1->toPlainText(), QStringLiteral("Без лука\nПоострее\nК 12:00"));
}

TEST_F(PrintOrder, ARefusedCallSkipsTheRestAndReleasesTheSpreadsheet)
{
    // Call 24 is the formula of the total.
    setSpreadsheetFactory(recordingFactory(log, 24));
    addThreeLines();
    order().first();
    pressPrint();
    EXPECT_EQ(ui.errors(), QStringList {QLatin1String(RecordingSpreadsheet::RefusalText)});
    ASSERT_EQ(log->size(), 25);
    EXPECT_EQ(log->at(23), QStringLiteral("Rows(6).Font.Bold = true"));
    EXPECT_EQ(log->last(), QStringLiteral("Release"));
    EXPECT_EQ(order().currentRow(), 0);
    EXPECT_EQ(order().LiveRowCount(), 3);
}

TEST_F(PrintOrder, PrintButtonWritesTheOrderToAFileAndOpensIt)
{
    addThreeLines();
    Form_Info->Memo1->setPlainText(QStringLiteral("Без лука\n"));
    pressPrint();
    EXPECT_TRUE(ui.shown().empty()) << ui.messages().join(u'\n').toStdString();
    ASSERT_EQ(desktop.opened.paths.size(), 1);
    const QJsonObject sheet = readXlsx(desktop.opened.paths.first());
    const QJsonObject cells = sheet[QLatin1String("cells")].toObject();
    EXPECT_TRUE(isHeadingOfThePress(cells[QLatin1String("A1")].toObject()[QLatin1String("value")].toString()));
    EXPECT_EQ(cells[QLatin1String("B4")].toObject()[QLatin1String("value")].toString(), QStringLiteral("Чай"));
    EXPECT_EQ(cells[QLatin1String("D4")].toObject()[QLatin1String("value")].toDouble(), 0.5);
    EXPECT_EQ(cells[QLatin1String("A8")].toObject()[QLatin1String("value")].toString(), QStringLiteral("Без лука"));
    EXPECT_EQ(sheet[QLatin1String("merged")].toArray().size(), 2);
    EXPECT_DOUBLE_EQ(sheet[QLatin1String("formulas")].toObject()[QLatin1String("E6")].toObject()[QLatin1String("result")].toDouble(),
                     301 + 12.5 + 3.75);
}

TEST_F(PrintOrder, MissingSpreadsheetApplicationShowsTheMessageAndChangesNothing)
{
    desktop.setHasApplication(false);
    addThreeLines();
    Form_Info->Memo1->setPlainText(QStringLiteral("Без лука"));
    order().setCurrentRow(1);
    const QStringList rowsBefore = orderRows();

    pressPrint();
    EXPECT_EQ(ui.errors(), QStringList {QStringLiteral("The printout cannot be shown: no spreadsheet application is installed.")});
    EXPECT_TRUE(desktop.opened.paths.isEmpty());
    EXPECT_TRUE(desktop.files().isEmpty());
    EXPECT_EQ(orderRows(), rowsBefore);
    EXPECT_EQ(order().currentRow(), 1);
    EXPECT_TRUE(OrderOpen);
    EXPECT_EQ(Form_Info->Memo1->toPlainText(), QStringLiteral("Без лука"));
}
