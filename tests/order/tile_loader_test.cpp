// Filling the tiles from the database on both layouts: texts, colours,
// pictures, the menu cache and the section names.
#include "order/order_fixture.h"
#include "order/tform_spisok.h"
#include "startup/application.h"
#include "startup/program_state.h"

#include <QBuffer>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

class TileLoader : public OrderFixture {
protected:
    static QColor background(const QWidget* w) { return w->palette().color(QPalette::Window); }

    QStringList menuCacheCodes() const
    {
        QStringList codes;
        for (int i = 0; i < Form_Main->TMenu.LiveRowCount(); ++i)
            codes << QString::number(Form_Main->TMenu.row(i).asInteger(QStringLiteral("KOD")));
        return codes;
    }
};

} // namespace

TEST_F(TileLoader, FillsTheTwentyFourTileScreen)
{
    useMainLayout();
    addDish(101, QStringLiteral("Борщ"), 150.5);
    addDish(102, QStringLiteral("Чай"), 25);
    addDish(103, QStringLiteral("Кофе"), 90);
    addDish(104, QStringLiteral("Сок"), 60);
    addDish(105, QStringLiteral("Пирог"), 45.25);
    addDish(106, QStringLiteral("Квас"), 30);
    addDish(107, QStringLiteral("Салат"), 120);
    addDish(199, QStringLiteral("Закрытый"), 10, true);
    addTileRow(QStringLiteral("2anel1"), 1, 101, 255.0, bitmap(55, 55));
    addTileRow(QStringLiteral("2anel2"), 2, 102, 65280.0);
    addTileRow(QStringLiteral("2anel3"), 3, 103, 0.0);
    addTileRow(QStringLiteral("2anel4"), 4, 104, -16777201.0, QByteArray());
    addTileRow(QStringLiteral("2anel5"), 5, 105);
    addTileRow(QStringLiteral("2anel6"), 6, 199, 255.0); // dish of the closed shift only
    addTileRow(QStringLiteral("2anel7"), 7, 106);
    addTileRow(QStringLiteral("2anel8"), 8, 106);         // the same dish on a second tile
    addTileRow(QStringLiteral("Panel9"), 9, 107);         // a row of the other layout
    addTileRow(QStringLiteral("2anel30"), 30, 107, 16711680.5);
    addSection(QStringLiteral("2akladka2"), QStringLiteral("Супы"));
    addSection(QStringLiteral("2akladka10"), QStringLiteral("Первый"));
    addSection(QStringLiteral("zakladka3"), QStringLiteral("Чужой"));
    start();

    ASSERT_TRUE(ui.messages().isEmpty()) << ui.messages().join(u'\n').toStdString();
    ASSERT_FALSE(UseFormP2);
    const QColor buttonFace = buttonFaceColour();
    EXPECT_EQ(Form_Main->TileKod[1], 101);
    EXPECT_EQ(Form_Main->TileName[1], QStringLiteral("Борщ"));
    EXPECT_EQ(Form_Main->TilePriceText[1], QStringLiteral("150р 50к"));
    EXPECT_EQ(Form_Main->TilePrice[1], 150.5);

    struct ColourCase {
        int tile;
        QColor colour;
    };
    const ColourCase colours[] = {
        {1, QColor(255, 0, 0)}, {2, QColor(0, 255, 0)}, {3, buttonFace}, {4, buttonFace}, {5, buttonFace},
        {30, QColor(0, 0, 255)}, // 16711680.5 rounds to even
    };
    for (const ColourCase& c : colours) {
        const TileControls& t = Form_Main->tile(c.tile);
        EXPECT_EQ(background(t.panel), c.colour) << c.tile;
        EXPECT_EQ(background(t.memo), c.colour) << c.tile;
        EXPECT_EQ(background(t.edit), c.colour) << c.tile;
    }

    // A picture, and the text boxes beside it; no picture: the whole width.
    const TileControls& withPicture = Form_Main->tile(1);
    EXPECT_TRUE(withPicture.image->isVisibleTo(withPicture.panel));
    EXPECT_EQ(withPicture.image->pixmap().size(), QSize(55, 55));
    EXPECT_EQ(withPicture.memo->geometry(), QRect(61, 2, 133, 41));
    EXPECT_EQ(withPicture.edit->x(), 61);
    const TileControls& without = Form_Main->tile(2);
    EXPECT_FALSE(without.image->isVisibleTo(without.panel));
    EXPECT_EQ(without.memo->geometry(), QRect(5, 2, 187, 41));
    EXPECT_EQ(without.edit->x(), 5);
    // An empty picture: shown, with nothing in it.
    const TileControls& empty = Form_Main->tile(4);
    EXPECT_TRUE(empty.image->isVisibleTo(empty.panel));
    EXPECT_TRUE(empty.image->pixmap().isNull());

    // The closed shift's dish and the other layout's row leave their tiles empty.
    EXPECT_EQ(Form_Main->TileKod[6], 0);
    EXPECT_EQ(Form_Main->tile(6).memo->text(), QString());
    EXPECT_EQ(background(Form_Main->tile(6).panel), buttonFace);
    EXPECT_EQ(Form_Main->TileKod[9], 0);
    EXPECT_EQ(Form_Main->TileKod[7], 106);
    EXPECT_EQ(Form_Main->TileKod[8], 106);

    // Placed dishes leave the menu cache: 107 stays only through tile 30.
    EXPECT_TRUE(menuCacheCodes().isEmpty()) << menuCacheCodes().join(',').toStdString();

    QStringList tabs;
    QStringList buttons;
    for (int k = 1; k <= 9; ++k) {
        tabs << Form_Main->PageControl1->tabText(k - 1);
        buttons << Form_Spisok->SectionButton[k]->text();
    }
    const QStringList sections {"Первый", "Супы", "Раздел3", "Раздел4", "Раздел5", "Раздел6", "Раздел7", "Раздел8", "Раздел9"};
    EXPECT_EQ(tabs, sections);
    EXPECT_EQ(buttons, sections);
    EXPECT_EQ(Form_Main->PageControl1->currentIndex(), 0);
}

TEST_F(TileLoader, FillsTheFortyFiveTileScreen)
{
    addDish(101, QStringLiteral("Борщ"), 150.5);
    addDish(102, QStringLiteral("Чай"), 25);
    addDish(103, QStringLiteral("Кофе"), 90);
    addTileRow(QStringLiteral("Panel400"), 400, 101, 255.0);
    addTileRow(QStringLiteral("2anel1"), 1, 102);
    addSection(QStringLiteral("zakladka10"), QStringLiteral("Первый"));
    addSection(QStringLiteral("zakladka5"), QStringLiteral("Напитки"));
    addSection(QStringLiteral("2akladka2"), QStringLiteral("Чужой"));
    start();

    ASSERT_TRUE(ui.messages().isEmpty()) << ui.messages().join(u'\n').toStdString();
    ASSERT_TRUE(UseFormP2);
    EXPECT_EQ(Form_Main->TileKod[400], 101);
    EXPECT_EQ(Form_P2->tile(400).memo->text(), QStringLiteral("Борщ"));
    EXPECT_EQ(Form_P2->tile(400).edit->text(), QStringLiteral("150р 50к"));
    EXPECT_EQ(background(Form_P2->tile(400).panel), QColor(255, 0, 0));
    EXPECT_EQ(Form_Main->TileKod[1], 0);
    EXPECT_EQ(menuCacheCodes(), QStringList({"103", "102"})); // name order: Кофе, Чай
    EXPECT_EQ(Form_P2->PageControl1->tabText(0), QStringLiteral("Первый"));
    EXPECT_EQ(Form_P2->PageControl1->tabText(1), QStringLiteral("Раздел2"));
    EXPECT_EQ(Form_P2->PageControl1->tabText(4), QStringLiteral("Напитки"));
    EXPECT_EQ(Form_Spisok->SectionButton[5]->text(), QStringLiteral("Напитки"));
    // The 24-tile screen's tabs stay unnamed.
    EXPECT_EQ(Form_Main->PageControl1->tabText(1), QString());
}

TEST_F(TileLoader, APictureThatIsNotAWindowsBitmapEndsTheStart)
{
    useMainLayout();
    addDish(101, QStringLiteral("Борщ"), 150.5);
    // Qt could show it; the terminal takes Windows bitmaps only.
    QImage image(55, 55, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    addTileRow(QStringLiteral("2anel1"), 1, 101, std::nullopt, png);
    start();
    EXPECT_EQ(ui.messages(), QStringList {QStringLiteral(
                                 "Невозможно открыть базу данных ! Проверте настройки подключения к серверу и перезапустите программу !!!")});
    EXPECT_TRUE(programEndRequested());
}
