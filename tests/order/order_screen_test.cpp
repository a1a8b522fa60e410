// The two order screens as built: tile geometry, names, the bottom row,
// scaling, and the price texts of the tiles.
#include "order/order_grid.h"
#include "order/price_text.h"
#include "order/tform_main.h"
#include "order/tform_p2.h"
#include "startup/program_state.h"
#include "support/terminal_test.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

class OrderScreens : public TerminalTest {};

QRect tileGeometry(const TileControls& tile) { return tile.panel->geometry(); }

} // namespace

TEST_F(OrderScreens, TilesLieWhereTheyWereDesigned)
{
    // Width / 900 = 1: the order screens keep their designed sizes.
    setScreen({900, 700});
    startProgramWithoutDatabase();

    struct Case {
        OrderScreenControls* screen;
        int tile;
        int page;
        QRect panel;
    };
    const Case cases[] = {
        {Form_Main, 1, 1, QRect(0, 0, 197, 67)},
        {Form_Main, 24, 1, QRect(594, 340, 196, 67)},
        {Form_Main, 25, 2, QRect(0, 0, 197, 67)},
        {Form_Main, 216, 9, QRect(594, 340, 196, 67)},
        {Form_P2, 1, 1, QRect(1, 0, 157, 47)},
        {Form_P2, 45, 1, QRect(633, 376, 157, 47)},
        {Form_P2, 46, 2, QRect(1, 0, 157, 47)},
        {Form_P2, 405, 9, QRect(633, 376, 157, 47)},
    };
    for (const Case& c : cases) {
        const TileControls& tile = c.screen->tile(c.tile);
        EXPECT_EQ(tileGeometry(tile), c.panel) << c.tile;
        EXPECT_EQ(tile.panel->parentWidget(), c.screen->TabSheet[c.page]) << c.tile;
        EXPECT_EQ(tile.panel->objectName(), QStringLiteral("Panel%1").arg(c.tile));
        EXPECT_EQ(tile.memo->objectName(), QStringLiteral("Memo%1").arg(c.tile));
        EXPECT_EQ(tile.edit->objectName(), QStringLiteral("Edit%1").arg(c.tile));
        EXPECT_EQ(tile.button->objectName(), QStringLiteral("Button%1").arg(c.tile));
        EXPECT_FALSE(tile.button->isVisibleTo(tile.panel));
    }
    EXPECT_EQ(Form_Main->tileCount(), 216);
    EXPECT_EQ(Form_P2->tileCount(), 405);
    EXPECT_EQ(Form_P2->tile(1).image, nullptr);

    const TileControls& t = Form_Main->tile(30);
    EXPECT_EQ(t.image->geometry(), QRect(2, 6, 55, 55));
    EXPECT_EQ(t.memo->geometry(), QRect(61, 2, 133, 41));
    EXPECT_EQ(t.edit->geometry(), QRect(65, 42, 72, 21));
    EXPECT_EQ(t.button->geometry(), QRect(135, 43, 59, 21));
    EXPECT_EQ(Form_P2->tile(30).memo->geometry(), QRect(2, 1, 149, 21));
    EXPECT_EQ(Form_P2->tile(30).button->geometry(), QRect(112, 23, 40, 21));

    EXPECT_EQ(Form_Main->Panel999->geometry(), QRect(0, 0, 398, 90));
    EXPECT_EQ(Form_Main->GridKassa->geometry(), QRect(400, 0, 400, 90));
    EXPECT_EQ(Form_Main->PageControl1->geometry(), QRect(0, 90, 800, 447));
    EXPECT_EQ(Form_P2->PageControl1->geometry(), QRect(0, 80, 800, 461));
    EXPECT_EQ(Form_Main->Btn_Exit->geometry(), QRect(712, 537, 88, 43));
    EXPECT_EQ(Form_P2->Btn_Print->geometry(), QRect(88, 541, 57, 39));
    EXPECT_EQ(Form_Main->Btn_Kolvo->text(), QStringLiteral("0,00"));
    EXPECT_EQ(Form_Main->BtnMenu->toolTip(), QStringLiteral("Список товаров не вошедших на кнопки панелей"));
    EXPECT_EQ(Form_Main->GridKassa->columnWidth(0), 208);
    EXPECT_EQ(Form_Main->GridKassa->columnWidth(3), 66);
    EXPECT_EQ(Form_P2->GridKassa->columnWidth(3), 65);
}

TEST_F(OrderScreens, BothScreensScaleByTheMainWindowFactor)
{
    setScreen({1920, 1080});
    startProgramWithoutDatabase();
    // 1080 / 700.
    EXPECT_EQ(Form_P2->size(), QSize(1234, 895));
    EXPECT_EQ(Form_P2->Panel999->height(), 123);
    EXPECT_EQ(Form_Main->tile(24).panel->geometry(), QRect(916, 525, 302, 103));
    EXPECT_EQ(Form_Main->tile(24).memo->font().pixelSize(), 20);
    EXPECT_EQ(Form_Main->GridKassa->columnWidth(0), 321);
    EXPECT_EQ(Form_P2->GridKassa->columnWidth(3), 100);
}

TEST_F(OrderScreens, BothGridsShowTheSameRows)
{
    startProgramWithoutDatabase();
    EXPECT_EQ(Form_Main->GridKassa->model(), &Form_Main->DSKassa);
    EXPECT_EQ(Form_P2->GridKassa->model(), &Form_Main->DSKassa);
    EXPECT_FALSE(Form_Main->GridKassa->horizontalHeader()->isVisible());
}

TEST(PriceText, RoundsTheExactProductHalvesToEven)
{
    const std::pair<double, const char*> cases[] = {
        {150.5, "150р 50к"}, {0.07, "0р 07к"},  {1500, "1500р 00к"}, {0.125, "0р 12к"}, {0.375, "0р 38к"},
        {0.015, "0р 01к"},   {0.025, "0р 03к"}, {12.5, "12р 50к"},   {0, "0р 00к"},     {-1.05, "-1р -05к"},
    };
    for (const auto& [price, text] : cases)
        EXPECT_EQ(TilePriceTextOf(price), QString::fromUtf8(text)) << price;
}
