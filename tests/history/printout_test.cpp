// The printout apart from the order screen: its heading and note lines, the
// .xlsx file the backend writes as an independent reader sees it, and the
// failures of writing and opening that file.
#include "history/desktop_opener.h"
#include "history/order_printout.h"
#include "history/printout_desktop.h"
#include "history/xlsx_spreadsheet.h"
#include "startup/terminal_error.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const OrderPrintout ThreeLinesAndANote {
    QStringLiteral("<< anna >>   05.03.2024 / 09:07"),
    {
        {QStringLiteral("Борщ"), 150.5, 2, 301},
        {QStringLiteral("Чай"), 25, 0.5, 12.5},
        {QStringLiteral("Вода"), 1.2346, 3, 3.7038},
    },
    {QStringLiteral("Без лука"), QString(), QStringLiteral("К 12:00")},
};

QJsonArray names(std::initializer_list<const char*> list)
{
    QJsonArray array;
    for (const char* name : list)
        array.append(QString::fromUtf8(name));
    return array;
}

// Column widths as the file stores them include the cell padding of 5
// pixels on 7-pixel digits; the spreadsheet shows the width without it.
double shownWidth(const QJsonValue& stored)
{
    return (stored.toDouble() * 7 - 5) / 7;
}

} // namespace

TEST(Printout, HeadingCarriesLoginDateAndTimeWithTheLocaleSeparator)
{
    const QDateTime when(QDate(2024, 3, 5), QTime(9, 7, 45));
    const struct {
        const char* locale;
        const char* heading;
    } cases[] = {
        {"ru_RU", "<< anna >>   05.03.2024 / 09:07"},
        {"en_US", "<< anna >>   05.03.2024 / 09:07"},
        {"fi_FI", "<< anna >>   05.03.2024 / 09.07"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(printoutHeading(QStringLiteral("anna"), when, QLocale(QLatin1String(c.locale))), QString::fromUtf8(c.heading))
            << c.locale;
    EXPECT_EQ(printoutHeading(QStringLiteral("anna"), QDateTime(QDate(2024, 12, 31), QTime(23, 59)), QLocale(QLocale::Russian)),
              QStringLiteral("<< anna >>   31.12.2024 / 23:59"));
}

TEST(Printout, NoteLinesAreTheMemoLines)
{
    const struct {
        const char* text;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\ntwo\nthree", {"one", "two", "three"}},
        {"one\n", {"one"}},
        {"one\n\nthree\n\n", {"one", "", "three", ""}},
        {"\n", {""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(noteLines(QString::fromUtf8(c.text)), c.lines) << c.text;
}

TEST(Printout, DesktopQueryTreatsAMissingOrSilentXdgMimeAsNoApplication)
{
    QTemporaryDir bin;
    const QByteArray savedPath = qgetenv("PATH");
    const auto fakeXdgMime = [&](const QByteArray& body) {
        QFile script(bin.filePath(QStringLiteral("xdg-mime")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write("#!/bin/sh\n" + body + "\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    qputenv("PATH", QFile::encodeName(bin.path()));
    const QString mime = QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet");

    EXPECT_EQ(xdgDefaultApplication(mime), QString()) << "no xdg-mime at all";
    fakeXdgMime("exit 0");
    EXPECT_EQ(xdgDefaultApplication(mime), QString()) << "an empty answer";
    fakeXdgMime("echo calc.desktop; exit 1");
    EXPECT_EQ(xdgDefaultApplication(mime), QString()) << "a failed query";
    fakeXdgMime("[ \"$1 $2 $3\" = \"query default " + mime.toLatin1() + "\" ] && echo calc.desktop");
    EXPECT_EQ(xdgDefaultApplication(mime), QStringLiteral("calc.desktop"));
    qputenv("PATH", savedPath);
}

TEST(PrintoutFile, XlsxHoldsTheTableOfThePrintout)
{
    PrintoutDesktop desktop;
    XlsxSpreadsheet sheet;
    printOrder(sheet, ThreeLinesAndANote);
    ASSERT_EQ(desktop.opened.paths.size(), 1);
    const QString path = desktop.opened.paths.first();
    EXPECT_EQ(QFileInfo(path).dir(), QDir(desktop.folder()));
    EXPECT_TRUE(path.endsWith(QLatin1String(".xlsx")));
    // Readable by its owner only.
    EXPECT_EQ(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());

    const QJsonObject sheetRead = readXlsx(path);
    const QJsonObject cells = sheetRead[QLatin1String("cells")].toObject();
    const auto cell = [&](const char* name) { return cells[QLatin1String(name)].toObject(); };
    const auto expectCell = [&](const char* name, const char* type, const QJsonValue& value) {
        EXPECT_EQ(cell(name)[QLatin1String("type")].toString(), QLatin1String(type)) << name;
        EXPECT_EQ(cell(name)[QLatin1String("value")], value) << name;
    };
    expectCell("A1", "s", QStringLiteral("<< anna >>   05.03.2024 / 09:07"));
    expectCell("A3", "n", 1);
    expectCell("B3", "s", QStringLiteral("Борщ"));
    expectCell("C3", "n", 150.5);
    expectCell("D3", "n", 2);
    expectCell("E3", "n", 301);
    expectCell("A4", "n", 2);
    expectCell("B4", "s", QStringLiteral("Чай"));
    expectCell("C4", "n", 25);
    expectCell("D4", "n", 0.5);
    expectCell("E4", "n", 12.5);
    expectCell("A5", "n", 3);
    expectCell("C5", "n", 1.2346);
    expectCell("E5", "n", 3.7038);
    expectCell("A8", "s", QStringLiteral("Без лука"));
    expectCell("A10", "s", QStringLiteral("К 12:00"));
    // 3 lines x 5 cells, the heading and the two note lines that have text.
    EXPECT_EQ(cells.size(), 18) << QJsonDocument(cells).toJson().toStdString();

    const QJsonObject total = sheetRead[QLatin1String("formulas")].toObject()[QLatin1String("E6")].toObject();
    EXPECT_EQ(total[QLatin1String("formula")].toString(), QStringLiteral("=SUM(E2:E5)"));
    EXPECT_DOUBLE_EQ(total[QLatin1String("result")].toDouble(), 301 + 12.5 + 3.7038);
    EXPECT_EQ(sheetRead[QLatin1String("formulas")].toObject().size(), 1);

    EXPECT_EQ(sheetRead[QLatin1String("merged")].toArray(), names({"A10:E10", "A1:E1", "A8:E8", "A9:E9"}));
    EXPECT_EQ(sheetRead[QLatin1String("boldRows")].toArray(), QJsonArray({1, 6}));
    EXPECT_EQ(sheetRead[QLatin1String("boldCells")].toArray(), names({"A1", "E6"}));

    const QJsonObject widths = sheetRead[QLatin1String("widths")].toObject();
    const std::pair<const char*, int> expectedWidths[] = {{"A", 4}, {"B", 54}, {"C", 11}, {"D", 11}, {"E", 11}};
    EXPECT_EQ(widths.size(), 5);
    for (const auto& [column, width] : expectedWidths)
        EXPECT_NEAR(shownWidth(widths[QLatin1String(column)]), width, 0.01) << column;

    const QJsonObject borders = sheetRead[QLatin1String("borders")].toObject();
    EXPECT_EQ(borders.size(), 20) << QJsonDocument(borders).toJson().toStdString();
    for (int row = 2; row <= 5; ++row)
        for (const char column : {'A', 'B', 'C', 'D', 'E'}) {
            const QString name = QStringLiteral("%1%2").arg(QLatin1Char(column)).arg(row);
            EXPECT_EQ(borders[name].toString(), QStringLiteral("thin thin thin thin")) << name.toStdString();
        }
}

TEST(PrintoutFile, EachPrintoutIsANewFile)
{
    PrintoutDesktop desktop;
    XlsxSpreadsheet first;
    printOrder(first, ThreeLinesAndANote);
    const QString firstPath = desktop.opened.paths.value(0);
    QFile firstFile(firstPath);
    ASSERT_TRUE(firstFile.open(QIODevice::ReadOnly));
    const QByteArray firstBytes = firstFile.readAll();
    firstFile.close();

    XlsxSpreadsheet second;
    printOrder(second, {QStringLiteral("<< boris >>   06.03.2024 / 10:00"), {{QStringLiteral("Чай"), 25, 1, 25}}, {}});
    ASSERT_EQ(desktop.opened.paths.size(), 2);
    EXPECT_NE(desktop.opened.paths[1], firstPath);
    ASSERT_TRUE(firstFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(firstFile.readAll(), firstBytes);
    EXPECT_EQ(desktop.files().size(), 2);
}

TEST(PrintoutFile, FailuresOpenNothingAndLeaveNoFile)
{
    const struct {
        const char* what;
        bool hasApplication;
        bool noFolder;
        const char* message;
    } cases[] = {
        {"no spreadsheet application", false, false, "The printout cannot be shown: no spreadsheet application is installed."},
        {"no temporary folder", true, true, "The printout cannot be written: the temporary folder "},
    };
    for (const auto& c : cases) {
        PrintoutDesktop desktop;
        desktop.setHasApplication(c.hasApplication);
        if (c.noFolder)
            desktop.removeFolder();
        XlsxSpreadsheet sheet;
        try {
            printOrder(sheet, ThreeLinesAndANote);
            ADD_FAILURE() << c.what << ": no failure";
        } catch (const TerminalError& e) {
            EXPECT_TRUE(e.message().startsWith(QLatin1String(c.message))) << c.what << ": " << e.message().toStdString();
        }
        EXPECT_TRUE(desktop.opened.paths.isEmpty()) << c.what;
        EXPECT_TRUE(desktop.files().isEmpty()) << c.what;
    }
}
