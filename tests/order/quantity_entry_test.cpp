// The quantity keypad and the quantity key of the order screens: keys typed
// on the keypad, the current row set or removed, its tile button and the
// totals of both screens.
#include "order/order_fixture.h"
#include "order/tform_klava.h"
#include "startup/program_state.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class QuantityEntry : public OrderFixture {
protected:
    void startWithTiles(bool mainLayout)
    {
        if (mainLayout)
            useMainLayout();
        addDish(101, QStringLiteral("Борщ"), 150.5);
        addDish(102, QStringLiteral("Чай"), 25);
        addDish(103, QStringLiteral("Хлеб"), 4);
        const QString prefix = mainLayout ? QStringLiteral("2anel") : QStringLiteral("Panel");
        addTileRow(prefix + "30", 30, 101);
        addTileRow(prefix + "31", 31, 102);
        // The same dish on a later tile: the first tile is the one that shows it.
        addTileRow(prefix + (mainLayout ? "200" : "400"), mainLayout ? 200 : 400, 102);
        start();
        ASSERT_TRUE(ui.messages().isEmpty()) << ui.messages().join(u'\n').toStdString();
    }

    static void touch(QWidget* control)
    {
        QTest::mousePress(control, Qt::LeftButton);
        QTest::mouseRelease(control, Qt::LeftButton);
    }

    // Presses the keys for the characters: digits, ',' the separator, '<' delete.
    static void press(const TForm_Klava& keypad, const QString& keys)
    {
        for (const QChar key : keys) {
            QPushButton* button = key == u',' ? keypad.BitBtn11
                                  : key == u'<' ? keypad.BitBtn13
                                  : key == u'0' ? keypad.BitBtn10
                                                : keypad.findChild<QPushButton*>(QStringLiteral("BitBtn") + key);
            ASSERT_NE(button, nullptr) << key.toLatin1();
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }

    // The next keypad gets the keys and is confirmed with the check mark;
    // display is what it showed then.
    void typeAndConfirm(const QString& keys, QString* display = nullptr)
    {
        ui.answerModal([keys, display](QDialog& dialog) {
            auto& keypad = static_cast<TForm_Klava&>(dialog);
            EXPECT_EQ(keypad.Edit1->text(), QString()) << "a new showing starts empty";
            press(keypad, keys);
            if (display)
                *display = keypad.Edit1->text();
            QTest::mouseClick(keypad.BitBtn12, Qt::LeftButton);
            return dialog.result();
        });
    }

    static QString totals() { return Form_Main->Panel999->text() + QStringLiteral(" / ") + Form_P2->Panel999->text(); }
    int keypadShowings() const
    {
        int count = 0;
        for (const Shown& s : ui.shown())
            count += s.kind == Shown::Kind::Modal && s.text == QLatin1String("Form_Klava");
        return count;
    }
};

} // namespace

TEST_F(QuantityEntry, KeysLieAtTheirPlacesAndTheDialogScales)
{
    setScreen({800, 600});
    startWithTiles(true);
    struct Case {
        const char* name;
        QRect place;
        QString caption;
    };
    const Case cases[] = {
        {"Edit1", {0, 0, 233, 37}, {}},
        {"BitBtn1", {0, 40, 53, 41}, "1"},    {"BitBtn2", {60, 40, 53, 41}, "2"},    {"BitBtn3", {120, 40, 53, 41}, "3"},
        {"BitBtn4", {0, 88, 53, 41}, "4"},    {"BitBtn5", {60, 88, 53, 41}, "5"},    {"BitBtn6", {120, 88, 53, 41}, "6"},
        {"BitBtn7", {0, 136, 53, 41}, "7"},   {"BitBtn8", {60, 136, 53, 41}, "8"},   {"BitBtn9", {120, 136, 53, 41}, "9"},
        {"BitBtn11", {0, 184, 53, 41}, ","},  {"BitBtn10", {60, 184, 53, 41}, "0"},  {"BitBtn13", {120, 184, 53, 41}, {}},
        {"BitBtn12", {180, 40, 53, 185}, {}},
    };
    for (const Case& c : cases) {
        auto* control = Form_Klava->findChild<QWidget*>(QLatin1String(c.name));
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_EQ(control->geometry(), c.place) << c.name;
        EXPECT_EQ(control->font().family(), QStringLiteral("Arial")) << c.name;
        EXPECT_EQ(control->font().pixelSize(), 32) << c.name;
        EXPECT_TRUE(control->font().bold()) << c.name;
        if (auto* key = qobject_cast<QPushButton*>(control)) {
            EXPECT_EQ(key->text(), c.caption) << c.name;
        }
    }
    EXPECT_EQ(Form_Klava->size(), QSize(233, 225));
    EXPECT_EQ(Form_Klava->windowTitle(), QString());
    EXPECT_TRUE(Form_Klava->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(Form_Klava->BitBtn12->icon().isNull());
    EXPECT_FALSE(Form_Klava->BitBtn13->icon().isNull());
    EXPECT_TRUE(Form_Klava->Edit1->isReadOnly());
    EXPECT_EQ(Form_Klava->Edit1->focusPolicy(), Qt::NoFocus);

    // Dialogs are scaled by width / 800 on a 4:3 screen.
    forms.reset();
    setScreen({1600, 1200});
    start();
    EXPECT_EQ(Form_Klava->size(), QSize(466, 450));
    EXPECT_EQ(Form_Klava->BitBtn12->geometry(), QRect(360, 80, 106, 370));
    EXPECT_EQ(Form_Klava->BitBtn12->font().pixelSize(), 64);
}

TEST_F(QuantityEntry, TypedQuantitySetsTheCurrentRow)
{
    startWithTiles(true);
    touch(tileOf(31).memo);
    touch(tileOf(30).memo); // the current row
    QPushButton* button = tileOf(30).button;

    struct Case {
        QString keys;
        QString display;
        double quantity;
        QString caption;
        QString totals;
    };
    const Case cases[] = {
        {"2,5", "2,5", 2.5, "2,5", "401,25 / 401,25"},
        {"1,23456", "1,23456", 1.2346, "1,2346", "210,81 / 210,81"},
        {"2,,5", "2,5", 2.5, "2,5", "401,25 / 401,25"},         // a second separator is not entered
        {"3,<,5", "3,5", 3.5, "3,5", "551,75 / 551,75"},        // deleting the separator allows a new one
        {"<<12<3", "13", 13, "13", "1981,50 / 1981,50"},        // delete on an empty display does nothing
        {",5", ",5", 0.5, "0,5", "100,25 / 100,25"},
        {"4,", "4,", 4, "4", "627,00 / 627,00"},
        {"0000000000000007", "0000000000000007", 7, "7", "1078,50 / 1078,50"}, // leading zeros take no room
        {"99999999999,9999", "99999999999,9999", 99999999999.9999, "99999999999,9999", "15050000000024,98 / 15050000000024,98"},
    };
    for (const Case& c : cases) {
        QString display;
        typeAndConfirm(c.keys, &display);
        Form_Main->Btn_Kolvo->click();
        EXPECT_EQ(display, c.display) << c.keys.toStdString();
        EXPECT_EQ(Form_Main->TKassa.asDouble(QStringLiteral("KOLVO")), c.quantity) << c.keys.toStdString();
        EXPECT_EQ(Form_Main->TKassa.asInteger(QStringLiteral("KOD")), 101) << c.keys.toStdString();
        EXPECT_EQ(button->text(), c.caption) << c.keys.toStdString();
        EXPECT_EQ(totals(), c.totals) << c.keys.toStdString();
    }
    EXPECT_TRUE(button->isVisibleTo(tileOf(30).panel));
    EXPECT_EQ(tileOf(31).button->text(), QStringLiteral("1"));
    EXPECT_TRUE(ui.messages().isEmpty());

    // After a key the check mark has the focus, so Enter confirms.
    ui.answerModal([](QDialog& dialog) {
        auto& keypad = static_cast<TForm_Klava&>(dialog);
        press(keypad, QStringLiteral("5"));
        EXPECT_EQ(keypad.focusWidget(), keypad.BitBtn12);
        press(keypad, QStringLiteral(","));
        EXPECT_EQ(keypad.focusWidget(), keypad.BitBtn12);
        return QDialog::Rejected;
    });
    Form_Main->Btn_Kolvo->click();
}

TEST_F(QuantityEntry, ZeroRemovesTheCurrentRowAndHidesItsTileButton)
{
    startWithTiles(true);
    // An empty display, a lone separator, zeros, and a quantity that rounds to nothing.
    for (const QString& keys : {QString(), QStringLiteral(","), QStringLiteral("0,0"), QStringLiteral("0,00004")}) {
        touch(tileOf(30).memo);
        touch(tileOf(31).memo);
        Form_Main->Btn_Up->click(); // Борщ is current, Чай follows it
        typeAndConfirm(keys);
        Form_Main->Btn_Kolvo->click();
        EXPECT_EQ(orderRows(), QStringList {"102 x 1"}) << keys.toStdString();
        EXPECT_EQ(Form_Main->TKassa.currentRow(), 0) << keys.toStdString();
        EXPECT_EQ(tileOf(30).button->text(), QString()) << keys.toStdString();
        EXPECT_FALSE(tileOf(30).button->isVisibleTo(tileOf(30).panel)) << keys.toStdString();
        EXPECT_EQ(tileOf(31).button->text(), QStringLiteral("1")) << keys.toStdString();
        EXPECT_EQ(totals(), QStringLiteral("25,00 / 25,00")) << keys.toStdString();
        QTest::mouseClick(tileOf(31).button, Qt::LeftButton);
    }

    // The last row removed: the order stays open, and the key no longer shows the keypad.
    touch(tileOf(30).memo);
    typeAndConfirm(QString());
    Form_Main->Btn_Kolvo->click();
    EXPECT_TRUE(orderRows().isEmpty());
    EXPECT_TRUE(OrderOpen);
    EXPECT_EQ(totals(), QStringLiteral("0,00 / 0,00"));
    const int showings = keypadShowings();
    Form_Main->Btn_Kolvo->click();
    EXPECT_EQ(keypadShowings(), showings);
}

TEST_F(QuantityEntry, NoOrderOpenShowsNoKeypad)
{
    startWithTiles(true);
    Form_Main->Btn_Kolvo->click();
    EXPECT_EQ(keypadShowings(), 0);
    touch(tileOf(30).memo);
    Form_Main->BtnCancel->click();
    Form_Main->Btn_Kolvo->click();
    EXPECT_EQ(keypadShowings(), 0);
}

TEST_F(QuantityEntry, CloseBoxChangesNothing)
{
    startWithTiles(true);
    touch(tileOf(30).memo);
    touch(tileOf(30).memo);
    for (const QString& keys : {QStringLiteral("5"), QString()}) {
        ui.answerModal([keys](QDialog& dialog) {
            press(static_cast<TForm_Klava&>(dialog), keys);
            dialog.close();
            return dialog.result();
        });
        Form_Main->Btn_Kolvo->click();
        EXPECT_EQ(orderRows(), QStringList {"101 x 2"});
        EXPECT_EQ(tileOf(30).button->text(), QStringLiteral("2"));
        EXPECT_EQ(Form_Main->Panel999->text(), QStringLiteral("301,00"));
    }
    EXPECT_EQ(keypadShowings(), 2);
}

TEST_F(QuantityEntry, TooLargeQuantityIsRefusedAndChangesNothing)
{
    startWithTiles(true);
    touch(tileOf(30).memo);
    for (const QString& keys : {QStringLiteral("100000000000"), QStringLiteral("99999999999,99999"),
                               QStringLiteral("1234567890123456789012345678901234567890,5")}) {
        ui.clear();
        typeAndConfirm(keys);
        Form_Main->Btn_Kolvo->click();
        EXPECT_EQ(ui.messages(), QStringList {QStringLiteral("Слишком большое количество ! Количество должно быть меньше 100\u00A0000\u00A0000\u00A0000.")})
            << keys.toStdString();
        EXPECT_EQ(orderRows(), QStringList {"101 x 1"}) << keys.toStdString();
        EXPECT_EQ(tileOf(30).button->text(), QStringLiteral("1")) << keys.toStdString();
        EXPECT_EQ(Form_Main->Panel999->text(), QStringLiteral("150,50")) << keys.toStdString();
    }
}

TEST_F(QuantityEntry, FortyFiveTileScreenUsesItsOwnTileButtons)
{
    startWithTiles(false);
    ASSERT_TRUE(UseFormP2);
    touch(Form_P2->tile(400).panel); // Чай, which also lies on tile 31
    typeAndConfirm(QStringLiteral("3"));
    Form_P2->Btn_Kolvo->click();
    EXPECT_EQ(orderRows(), QStringList {"102 x 3"});
    EXPECT_EQ(Form_P2->tile(31).button->text(), QStringLiteral("3"));
    EXPECT_EQ(Form_P2->tile(400).button->text(), QStringLiteral("1"));
    EXPECT_EQ(Form_Main->tile(31).button->text(), QString());
    EXPECT_EQ(totals(), QStringLiteral("75,00 / 75,00"));

    // A dish without a tile has no button to update.
    Form_Main->TKassa.append();
    Form_Main->TKassa.setInteger(QStringLiteral("KOD"), 103);
    Form_Main->TKassa.setDouble(QStringLiteral("CENA"), 4);
    Form_Main->TKassa.setDouble(QStringLiteral("KOLVO"), 1);
    Form_Main->TKassa.post();
    typeAndConfirm(QStringLiteral("6"));
    Form_P2->Btn_Kolvo->click();
    EXPECT_EQ(orderRows(), QStringList({"102 x 3", "103 x 6"}));
    EXPECT_EQ(Form_P2->tile(31).button->text(), QStringLiteral("3"));
    EXPECT_EQ(totals(), QStringLiteral("99,00 / 99,00"));
}
