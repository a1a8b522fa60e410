// Touching tiles: the press effect, portions added and taken away, the
// total, moving through the rows and the reset, on both layouts.
#include "order/localtable/local_table.h"
#include "order/order_fixture.h"
#include "order/order_grid.h"
#include "send/tform_info.h"
#include "startup/program_state.h"

#include <QFrame>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPaintEvent>
#include <QPushButton>
#include <QRegion>
#include <QTabWidget>
#include <QTest>

namespace {

class OrderTable : public OrderFixture {
protected:
    void startWithTiles(bool mainLayout)
    {
        if (mainLayout)
            useMainLayout();
        addDish(101, QStringLiteral("Борщ"), 150.5);
        addDish(102, QStringLiteral("Чай"), 25);
        addDish(103, QStringLiteral("Вода"), 1.23456);
        const QString prefix = mainLayout ? QStringLiteral("2anel") : QStringLiteral("Panel");
        const int far = mainLayout ? 200 : 400;
        addTileRow(prefix + "30", 30, 101, std::nullopt, mainLayout ? std::optional(bitmap(55, 55)) : std::nullopt);
        addTileRow(prefix + "31", 31, 102);
        addTileRow(prefix + "32", 32, 103);
        addTileRow(prefix + QString::number(far), far, 102);
        start();
        ASSERT_TRUE(ui.messages().isEmpty()) << ui.messages().join(u'\n').toStdString();
    }

    static void press(QWidget* control, Qt::MouseButton button = Qt::LeftButton) { QTest::mousePress(control, button); }
    static void release(QWidget* control, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseRelease(control, button); }
    static void touch(QWidget* control)
    {
        press(control);
        release(control);
    }
    // The main window shown and painted with an order of three rows, the last current.
    void showThreeRowOrder()
    {
        startWithTiles(true);
        Form_Main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form_Main));
        for (const int n : {30, 31, 32})
            touch(tileOf(n).memo);
        QCoreApplication::processEvents();
    }
    static QString total() { return TForm_Main::screenInUse().Panel999->text(); }
    static QColor totalColour() { return TForm_Main::screenInUse().Panel999->palette().color(QPalette::Window); }

    struct Place {
        QPoint image, memo, edit, button;
        QFrame::Shadow bevel;
        bool operator==(const Place&) const = default;
    };
    static Place placeOf(int n)
    {
        const TileControls& t = tileOf(n);
        return {t.image ? t.image->pos() : QPoint(), t.memo->pos(), t.edit->pos(), t.button->pos(), t.panel->frameShadow()};
    }
};

} // namespace

TEST_F(OrderTable, PressShiftsTheTileAndOrdersAPortionReleaseRestoresIt)
{
    startWithTiles(true);
    const Place before = placeOf(30);
    press(tileOf(30).memo);
    const Place pressed = placeOf(30);
    EXPECT_EQ(pressed.image, before.image + QPoint(2, 2));
    EXPECT_EQ(pressed.memo, before.memo + QPoint(2, 2));
    EXPECT_EQ(pressed.edit, before.edit + QPoint(2, 2));
    EXPECT_EQ(pressed.button, before.button + QPoint(2, 2));
    EXPECT_EQ(pressed.bevel, QFrame::Sunken);
    // The portion is added on the press, before the release.
    EXPECT_EQ(orderRows(), QStringList {"101 x 1"});
    EXPECT_TRUE(OrderOpen);
    EXPECT_EQ(tileOf(30).button->text(), QStringLiteral("1"));
    EXPECT_TRUE(tileOf(30).button->isVisibleTo(tileOf(30).panel));
    EXPECT_EQ(total(), QStringLiteral("150,50"));
    EXPECT_EQ(totalColour(), windowColour());
    release(tileOf(30).memo);
    EXPECT_EQ(placeOf(30), before);

    // Every part of the tile presses it, with any mouse button.
    touch(tileOf(30).panel);
    touch(tileOf(30).image);
    press(tileOf(30).edit, Qt::RightButton);
    release(tileOf(30).edit, Qt::RightButton);
    EXPECT_EQ(orderRows(), QStringList {"101 x 4"});
    EXPECT_EQ(tileOf(30).button->text(), QStringLiteral("4"));
    EXPECT_EQ(total(), QStringLiteral("602,00"));
    EXPECT_EQ(placeOf(30), before);

    // The second press of a double tap is a press of its own: sent through
    // the window, as the windowing system delivers it.
    Form_Main->show();
    Form_Main->PageControl1->setCurrentIndex(1); // tile 31 lies on page 2
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form_Main));
    QWidget* memo = tileOf(31).memo;
    QTest::mouseDClick(Form_Main->windowHandle(), Qt::LeftButton, {}, memo->mapTo(Form_Main, memo->rect().center()));
    EXPECT_EQ(orderRows(), QStringList({"101 x 4", "102 x 2"}));
    EXPECT_EQ(placeOf(31).bevel, QFrame::Raised);
}

TEST_F(OrderTable, EmptyTileShowsThePressAndOrdersNothing)
{
    startWithTiles(true);
    const Place before = placeOf(5);
    press(tileOf(5).panel);
    EXPECT_EQ(placeOf(5).bevel, QFrame::Sunken);
    EXPECT_FALSE(OrderOpen);
    EXPECT_TRUE(orderRows().isEmpty());
    release(tileOf(5).panel);
    EXPECT_EQ(placeOf(5), before);
}

TEST_F(OrderTable, QuantityButtonTakesPortionsAway)
{
    startWithTiles(true);
    touch(tileOf(30).memo);
    touch(tileOf(30).memo);
    touch(tileOf(31).memo);
    QPushButton* button = tileOf(30).button;
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(orderRows(), QStringList({"101 x 1", "102 x 1"}));
    EXPECT_EQ(button->text(), QStringLiteral("1"));
    EXPECT_EQ(total(), QStringLiteral("175,50"));

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(orderRows(), QStringList {"102 x 1"});
    EXPECT_EQ(button->text(), QString());
    EXPECT_FALSE(button->isVisibleTo(tileOf(30).panel));
    QTest::mouseClick(tileOf(31).button, Qt::LeftButton);
    EXPECT_TRUE(orderRows().isEmpty());
    EXPECT_TRUE(OrderOpen);
    EXPECT_EQ(total(), QStringLiteral("0,00"));

    // Fractional quantities: 2.5 goes to 1.5, 0.5 goes away.
    touch(tileOf(30).memo);
    Form_Main->TKassa.edit();
    Form_Main->TKassa.setDouble(QStringLiteral("KOLVO"), 2.5);
    Form_Main->TKassa.post();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(button->text(), QStringLiteral("1,5"));
    Form_Main->TKassa.edit();
    Form_Main->TKassa.setDouble(QStringLiteral("KOLVO"), 0.5);
    Form_Main->TKassa.post();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(orderRows().isEmpty());

    // Taking away a dish that has no row adds it once.
    Form_Main->AddTileDish(31, tileOf(31).button, -1);
    EXPECT_EQ(orderRows(), QStringList {"102 x 1"});
}

// Records the region of each paint of a widget.
class PaintRegions final : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};

TEST_F(OrderTable, AnotherPortionRepaintsOnlyItsRowOfTheGrid)
{
    ASSERT_NO_FATAL_FAILURE(showThreeRowOrder());

    OrderGrid* grid = Form_Main->GridKassa;
    PaintRegions paints;
    grid->viewport()->installEventFilter(&paints);
    touch(tileOf(31).memo);
    QCoreApplication::processEvents();
    grid->viewport()->removeEventFilter(&paints);

    EXPECT_EQ(grid->model()->index(1, 2).data().toString(), QStringLiteral("2"));
    const QRect row(0, grid->rowViewportPosition(1), grid->viewport()->width(), grid->rowHeight(1));
    EXPECT_FALSE(paints.painted.isEmpty());
    EXPECT_EQ(paints.painted.boundingRect() & row, paints.painted.boundingRect());
}

// Rows of the indicator column with the triangle in them, from a fresh rendering.
static QList<int> markedRows(QHeaderView& indicator)
{
    const QImage image = indicator.viewport()->grab().toImage();
    QList<int> rows;
    for (int row = 0; row < indicator.count(); ++row) {
        const int top = indicator.sectionViewportPosition(row);
        bool marked = false;
        for (int y = top; y < top + indicator.sectionSize(row) && !marked; ++y)
            for (int x = 0; x < image.width() - 1 && !marked; ++x)
                marked = qGray(image.pixel(x, y)) < 64;
        if (marked)
            rows << row;
    }
    return rows;
}

TEST_F(OrderTable, TheIndicatorMovesWithTheCurrentRowRepaintingBothRows)
{
    ASSERT_NO_FATAL_FAILURE(showThreeRowOrder());
    QHeaderView& indicator = *Form_Main->GridKassa->verticalHeader();
    EXPECT_EQ(markedRows(indicator), QList<int> {2});

    PaintRegions paints;
    indicator.viewport()->installEventFilter(&paints);
    QTest::mouseClick(Form_Main->Btn_Up, Qt::LeftButton);
    QCoreApplication::processEvents();
    indicator.viewport()->removeEventFilter(&paints);

    EXPECT_EQ(markedRows(indicator), QList<int> {1});
    for (const int row : {1, 2}) {
        const QRect section(0, indicator.sectionViewportPosition(row), indicator.viewport()->width(), indicator.sectionSize(row));
        EXPECT_TRUE(paints.painted.contains(section)) << "row " << row;
    }
    const QRect untouched(0, indicator.sectionViewportPosition(0), indicator.viewport()->width(), indicator.sectionSize(0));
    EXPECT_FALSE(paints.painted.intersects(untouched));
}

TEST_F(OrderTable, PricesAreHeldToFourDecimals)
{
    startWithTiles(true);
    touch(tileOf(32).memo);
    touch(tileOf(32).memo);
    EXPECT_EQ(Form_Main->TKassa.asDouble(QStringLiteral("CENA")), 1.2346);
    EXPECT_EQ(total(), QStringLiteral("2,47"));
}

TEST_F(OrderTable, DownAndUpStopAtTheEnds)
{
    startWithTiles(true);
    touch(tileOf(30).memo);
    touch(tileOf(31).memo);
    touch(tileOf(32).memo);
    LocalTable& table = Form_Main->TKassa;
    EXPECT_EQ(table.currentRow(), 2);
    Form_Main->Btn_Down->click();
    EXPECT_EQ(table.currentRow(), 2);
    Form_Main->Btn_Up->click();
    Form_Main->Btn_Up->click();
    EXPECT_EQ(table.currentRow(), 0);
    Form_Main->Btn_Up->click();
    EXPECT_EQ(table.currentRow(), 0);
    EXPECT_EQ(Form_Main->DSKassa.currentRow(), 0);
    // Rows added and removed keep the grid's column widths.
    EXPECT_EQ(Form_Main->GridKassa->columnWidth(0), 208);
    EXPECT_EQ(Form_P2->GridKassa->columnWidth(3), 65);
    Form_Main->Btn_Down->click();
    EXPECT_EQ(table.currentRow(), 1);
}

TEST_F(OrderTable, ResetEmptiesTheOrderAndTheNote)
{
    startWithTiles(true);
    Form_Info->Memo1->setPlainText(QStringLiteral("к 12:00"));
    touch(tileOf(30).memo);
    touch(tileOf(31).memo);
    Form_Main->BtnCancel->click();
    EXPECT_TRUE(orderRows().isEmpty());
    EXPECT_FALSE(OrderOpen);
    EXPECT_EQ(Form_Info->Memo1->toPlainText(), QString());
    for (OrderScreenControls* screen : {static_cast<OrderScreenControls*>(Form_Main), static_cast<OrderScreenControls*>(Form_P2)}) {
        EXPECT_EQ(screen->Panel999->text(), QString());
        EXPECT_EQ(screen->Panel999->palette().color(QPalette::Window), buttonFaceColour());
        EXPECT_EQ(screen->GridKassa->palette().color(QPalette::Base), buttonFaceColour());
    }
    EXPECT_EQ(tileOf(30).button->text(), QString());
    EXPECT_FALSE(tileOf(30).button->isVisibleTo(tileOf(30).panel));

    // The next press opens a new order.
    touch(tileOf(31).memo);
    EXPECT_EQ(orderRows(), QStringList {"102 x 1"});
    EXPECT_EQ(total(), QStringLiteral("25,00"));
}

TEST_F(OrderTable, FortyFiveTileScreenWorksTheSameThroughFormMain)
{
    startWithTiles(false);
    ASSERT_TRUE(UseFormP2);
    const Place before = placeOf(400);
    press(Form_P2->tile(400).panel);
    EXPECT_EQ(placeOf(400).memo, before.memo + QPoint(2, 2));
    EXPECT_EQ(placeOf(400).bevel, QFrame::Sunken);
    release(Form_P2->tile(400).panel);
    EXPECT_EQ(placeOf(400), before);
    EXPECT_EQ(orderRows(), QStringList {"102 x 1"});
    EXPECT_EQ(Form_P2->tile(400).button->text(), QStringLiteral("1"));
    EXPECT_EQ(Form_P2->Panel999->text(), QStringLiteral("25,00"));
    EXPECT_EQ(Form_Main->Panel999->text(), QString());

    QTest::mouseClick(Form_P2->tile(400).button, Qt::LeftButton);
    EXPECT_TRUE(orderRows().isEmpty());
    touch(Form_P2->tile(30).edit);
    Form_P2->BtnCancel->click();
    EXPECT_FALSE(OrderOpen);
    EXPECT_TRUE(orderRows().isEmpty());
    EXPECT_FALSE(Form_P2->tile(30).button->isVisibleTo(Form_P2->tile(30).panel));
}

TEST_F(OrderTable, TotalUsesTheLocaleDecimalSeparator)
{
    QLocale::setDefault(QLocale::c());
    startWithTiles(true);
    touch(tileOf(30).memo);
    EXPECT_EQ(total(), QStringLiteral("150.50"));
}
