// The list of the dishes without a tile: choosing, confirming and cancelling,
// the section buttons, and what an addition does to the order.
#include "order/order_fixture.h"
#include "order/order_grid.h"
#include "order/tform_spisok.h"
#include "startup/program_state.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace {

class GoodsList : public OrderFixture {
protected:
    // Борщ lies on tile 30; Вода, Морс and Хлеб have no tile and make the list, in name order.
    void startWithList(bool mainLayout)
    {
        if (mainLayout)
            useMainLayout();
        addDish(101, QStringLiteral("Борщ"), 150.5);
        addDish(203, QStringLiteral("Хлеб"), 4);
        addDish(201, QStringLiteral("Вода"), 30);
        addDish(202, QStringLiteral("Морс"), 45.5);
        addTileRow((mainLayout ? QStringLiteral("2anel") : QStringLiteral("Panel")) + "30", 30, 101);
        start();
        ASSERT_TRUE(ui.messages().isEmpty()) << ui.messages().join(u'\n').toStdString();
    }

    static QPoint rowCentre(const TForm_Spisok& list, int row)
    {
        return list.GridMenu->visualRect(list.GridMenu->model()->index(row, 0)).center();
    }
    static void clickRow(const TForm_Spisok& list, int row)
    {
        QTest::mouseClick(list.GridMenu->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
    }

    // The next list showing: the row touched (if any), then the button pressed.
    void answerList(int row, const char* button)
    {
        ui.answerModal([row, button](QDialog& dialog) {
            auto& list = static_cast<TForm_Spisok&>(dialog);
            if (row >= 0)
                clickRow(list, row);
            QTest::mouseClick(list.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
            return dialog.result();
        });
    }

    // Section button 4 closes the list and turns the screen in use, not the other one, to page 4.
    void sectionButtonTurnsTheScreenInUse(const OrderScreenControls& other)
    {
        OrderScreenControls& inUse = TForm_Main::screenInUse();
        ASSERT_NE(&inUse, &other);
        answerList(1, "Button4");
        inUse.BtnMenu->click();
        EXPECT_EQ(inUse.PageControl1->currentWidget(), inUse.TabSheet[4]);
        EXPECT_EQ(other.PageControl1->currentIndex(), 0);
        EXPECT_FALSE(Form_Spisok->isVisible());
        EXPECT_TRUE(orderRows().isEmpty());
        EXPECT_EQ(menuRow(), 1);
    }

    int listShowings() const
    {
        int count = 0;
        for (const Shown& s : ui.shown())
            count += s.kind == Shown::Kind::Modal && s.text == QLatin1String("Form_Spisok");
        return count;
    }

    static QString totals() { return Form_Main->Panel999->text() + QStringLiteral(" / ") + Form_P2->Panel999->text(); }
    static int menuRow() { return Form_Main->TMenu.currentRow(); }
    static bool anyTileButtonShown()
    {
        const OrderScreenControls& screen = TForm_Main::screenInUse();
        for (int i = 1; i <= screen.tileCount(); ++i)
            if (!screen.tile(i).button->text().isEmpty() || screen.tile(i).button->isVisibleTo(screen.tile(i).panel))
                return true;
        return false;
    }
};

} // namespace

TEST_F(GoodsList, ListShowsTheDishesWithoutATile)
{
    setScreen({800, 600});
    startWithList(true);
    const QTableView& grid = *Form_Spisok->GridMenu;
    const QAbstractItemModel& model = *grid.model();
    ASSERT_EQ(model.rowCount(), 3);
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows << model.index(row, 0).data().toString() + u' ' + model.index(row, 1).data().toString();
    EXPECT_EQ(rows, QStringList({"Вода 30", "Морс 45,5", "Хлеб 4"}));
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Наименование"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Цена"));
    EXPECT_EQ(grid.columnWidth(0), 425);
    EXPECT_EQ(grid.columnWidth(1), 114);
    EXPECT_EQ(grid.geometry(), QRect(0, 0, 597, 417));
    EXPECT_EQ(grid.font().pixelSize(), 16);
    EXPECT_TRUE(grid.font().bold());
    EXPECT_EQ(grid.horizontalHeader()->font().pixelSize(), 11);
    EXPECT_EQ(grid.horizontalHeader()->palette().color(QPalette::ButtonText), QColor(Qt::blue));
    EXPECT_EQ(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(Form_Spisok->BitBtn1->geometry(), QRect(0, 420, 295, 49));
    EXPECT_EQ(Form_Spisok->BitBtn1->text(), QStringLiteral("OK"));
    EXPECT_EQ(Form_Spisok->BitBtn2->geometry(), QRect(302, 420, 295, 49));
    EXPECT_EQ(Form_Spisok->BitBtn2->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(Form_Spisok->SectionButton[9]->geometry(), QRect(600, 417, 171, 52));
    EXPECT_EQ(Form_Spisok->size(), QSize(771, 469));
    EXPECT_EQ(Form_Spisok->windowTitle(), QStringLiteral("Дополнительный список товаров"));

    // Scaled by 900 / 800, the columns keep their scaled widths after the menu is loaded into the list.
    forms.reset();
    setScreen({900, 700});
    start();
    EXPECT_EQ(Form_Spisok->GridMenu->model()->rowCount(), 3);
    EXPECT_EQ(Form_Spisok->GridMenu->columnWidth(0), 478);
    EXPECT_EQ(Form_Spisok->GridMenu->columnWidth(1), 128);
}

TEST_F(GoodsList, ConfirmedDishIsAddedOrIncremented)
{
    startWithList(true);
    answerList(1, "BitBtn1");
    Form_Main->BtnMenu->click();
    // The first addition opens the order on both screens.
    EXPECT_TRUE(OrderOpen);
    EXPECT_EQ(orderRows(), QStringList {"202 x 1"});
    EXPECT_EQ(totals(), QStringLiteral("45,50 / 45,50"));
    for (OrderScreenControls* screen : {static_cast<OrderScreenControls*>(Form_Main), static_cast<OrderScreenControls*>(Form_P2)}) {
        EXPECT_EQ(screen->Panel999->palette().color(QPalette::Window), windowColour());
        EXPECT_EQ(screen->GridKassa->palette().color(QPalette::Base), windowColour());
    }

    // The same dish again, with the list opened on it: one row, quantity 2.
    ui.answerModal([](QDialog& dialog) {
        auto& list = static_cast<TForm_Spisok&>(dialog);
        EXPECT_EQ(list.GridMenu->selectionModel()->currentIndex().row(), 1);
        QTest::mouseClick(list.BitBtn1, Qt::LeftButton);
        return dialog.result();
    });
    Form_Main->BtnMenu->click();
    EXPECT_EQ(orderRows(), QStringList {"202 x 2"});
    EXPECT_EQ(totals(), QStringLiteral("91,00 / 91,00"));

    // A double-click on a row adds that dish at once; it becomes the current row.
    ui.answerModal([](QDialog& dialog) {
        auto& list = static_cast<TForm_Spisok&>(dialog);
        QTest::mouseDClick(list.GridMenu->viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
        EXPECT_TRUE(list.isHidden());
        return dialog.result();
    });
    Form_Main->BtnMenu->click();
    EXPECT_EQ(orderRows(), QStringList({"202 x 2", "201 x 1"}));
    EXPECT_EQ(Form_Main->TKassa.currentRow(), 1);

    // A dish whose row is not current is found and incremented, alongside tile dishes.
    QTest::mousePress(tileOf(30).memo, Qt::LeftButton);
    QTest::mouseRelease(tileOf(30).memo, Qt::LeftButton);
    answerList(1, "BitBtn1");
    Form_Main->BtnMenu->click();
    EXPECT_EQ(orderRows(), QStringList({"202 x 3", "201 x 1", "101 x 1"}));
    EXPECT_EQ(Form_Main->TKassa.currentRow(), 0);
    EXPECT_EQ(totals(), QStringLiteral("317,00 / 317,00"));
    EXPECT_EQ(tileOf(30).button->text(), QStringLiteral("1"));
    EXPECT_TRUE(ui.messages().isEmpty());
}

TEST_F(GoodsList, DishesFromTheListTouchNoTileButton)
{
    startWithList(true);
    answerList(0, "BitBtn1");
    Form_Main->BtnMenu->click();
    EXPECT_EQ(orderRows(), QStringList {"201 x 1"});
    EXPECT_FALSE(anyTileButtonShown());
}

TEST_F(GoodsList, CancelAndSectionButtonsAddNothing)
{
    startWithList(true);
    answerList(2, "BitBtn2");
    Form_Main->BtnMenu->click();
    EXPECT_TRUE(orderRows().isEmpty());
    EXPECT_FALSE(OrderOpen);
    EXPECT_EQ(menuRow(), 2);

    answerList(0, "Button4");
    Form_Main->BtnMenu->click();
    EXPECT_TRUE(orderRows().isEmpty());
    EXPECT_FALSE(OrderOpen);
    EXPECT_EQ(totals(), QStringLiteral(" / "));
    EXPECT_EQ(menuRow(), 0);

    // The chosen row is where the next showing starts.
    ui.answerModal([](QDialog& dialog) {
        auto& list = static_cast<TForm_Spisok&>(dialog);
        EXPECT_EQ(list.GridMenu->selectionModel()->currentIndex().row(), 0);
        QTest::mouseClick(list.BitBtn1, Qt::LeftButton);
        return dialog.result();
    });
    Form_Main->BtnMenu->click();
    EXPECT_EQ(orderRows(), QStringList {"201 x 1"});
}

TEST_F(GoodsList, SectionButtonTurnsTheTwentyFourTileScreen)
{
    startWithList(true);
    sectionButtonTurnsTheScreenInUse(*Form_P2);
}

TEST_F(GoodsList, SectionButtonTurnsTheFortyFiveTileScreen)
{
    startWithList(false);
    sectionButtonTurnsTheScreenInUse(*Form_Main);
}

TEST_F(GoodsList, EmptyListAddsNothingAndSaysNothing)
{
    useMainLayout();
    addDish(101, QStringLiteral("Борщ"), 150.5);
    addTileRow(QStringLiteral("2anel30"), 30, 101);
    start();
    ASSERT_EQ(Form_Main->TMenu.LiveRowCount(), 0);
    answerList(-1, "BitBtn1");
    Form_Main->BtnMenu->click();
    ui.answerModal([](QDialog& dialog) {
        auto& list = static_cast<TForm_Spisok&>(dialog);
        QTest::mouseDClick(list.GridMenu->viewport(), Qt::LeftButton, {}, QPoint(100, 100));
        return dialog.result();
    });
    Form_Main->BtnMenu->click();
    EXPECT_EQ(listShowings(), 2);
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_FALSE(OrderOpen);
    EXPECT_TRUE(orderRows().isEmpty());
    EXPECT_EQ(Form_Main->Panel999->palette().color(QPalette::Window), buttonFaceColour());
}
