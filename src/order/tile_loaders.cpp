// Filling the tiles of the two order screens from the back office's tile
// rows joined with the open shift's menu, and naming the nine sections.
#include "order/tform_main.h"

#include "db/tform_base.h"
#include "order/localtable/prepare_local_tables.h"
#include "order/price_text.h"
#include "order/tform_p2.h"
#include "order/tform_spisok.h"
#include "startup/forms.h"
#include "startup/terminal_error.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <cfenv>
#include <cmath>
#include <unordered_map>
#include <utility>

namespace {

// Only Windows bitmaps are tile pictures; an empty value is an empty picture.
QPixmap decodeWindowsBitmap(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QPixmap();
    QImage image;
    if (!bytes.startsWith("BM") || !image.loadFromData(bytes, "BMP"))
        throw TerminalError(QStringLiteral("Bitmap image is not valid"));
    return QPixmap::fromImage(image);
}

// FLOAT_PARAM rounded to the nearest integer, halves to even; beyond the
// range of a colour it counts as no colour.
qint64 tileColourValue(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > 4.0e9)
        return 0;
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const auto rounded = static_cast<qint64>(std::nearbyint(value));
    std::fesetround(mode);
    return rounded;
}

// A Windows colour value: red in the lowest byte.
QColor fromWindowsColour(qint64 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

// Removes, for every tile row, the first row of the menu cache with its
// dish's code that no earlier tile row took: a dish on two tiles takes two
// rows. One pass over the cache, however many tiles there are.
void removeFromMenuCache(LocalTable& menu, std::unordered_map<qint64, int> placed)
{
    menu.first();
    while (!menu.atEnd() && !placed.empty()) {
        const auto dish = placed.find(menu.asInteger(LocalColumn::KOD));
        if (dish == placed.end()) {
            menu.next();
            continue;
        }
        if (--dish->second == 0)
            placed.erase(dish);
        // The next row becomes current; after the last, the one before it,
        // which has been looked at already.
        menu.deleteRow();
    }
}

} // namespace

void TForm_Main::LoadMainTiles()
{
    loadTiles(*Form_Main, Form_Base->QReadI, QStringLiteral("2akladka1"), QStringLiteral("2akladka9"));
}

void TForm_Main::LoadP2Tiles()
{
    loadTiles(*Form_P2, Form_Base->QReadI2, QStringLiteral("zakladka1"), QStringLiteral("zakladka9"));
}

void TForm_Main::loadTiles(OrderScreenControls& screen, Query& statement, const QString& firstSection,
                           const QString& lastSection)
{
    const int lastTile = screen.tileCount();
    clearTileData(lastTile);

    const QColor buttonFace = buttonFaceColour();
    setBackgroundColour(*screen.Panel999, buttonFace);
    for (int i = 1; i <= lastTile; ++i) {
        const TileControls& tile = screen.tile(i);
        tile.button->setText(QString());
        tile.button->hide();
        setBackgroundColour(*tile.panel, buttonFace);
        setBackgroundColour(*tile.memo, buttonFace);
        setBackgroundColour(*tile.edit, buttonFace);
    }

    // Pictures and the text boxes of tiles without one are laid out from
    // tile 1's sizes as they are now, after any scaling.
    const bool pictures = screen.tile(1).image != nullptr;
    const QRect picture = pictures ? screen.tile(1).image->geometry() : QRect();
    const int panelWidth = screen.tile(1).panel->width();

    // The goods list's grid must not follow the menu cache's searches.
    const DetachedView detached(DSMenu);
    std::unordered_map<qint64, int> placed;
    statement.close();
    statement.open();
    for (; !statement.eof(); statement.next()) {
        const int n = statement.asInt32(QStringLiteral("INTEGER_PARAM"));
        if (n < 1 || n > lastTile)
            throw TerminalError(QStringLiteral("Tile number %1 is outside the screen").arg(n));
        const qint64 colour = tileColourValue(statement.asDouble(QStringLiteral("FLOAT_PARAM")));
        const double price = statement.asDouble(QStringLiteral("CENA"));
        TilePriceText[n] = TilePriceTextOf(price);
        TilePrice[n] = price;
        TileName[n] = statement.asString(QStringLiteral("NAME"));
        TileKod[n] = statement.asInt32(QStringLiteral("KOD_BLUDO_CALC_PROGRAM"));

        const TileControls& tile = screen.tile(n);
        if (colour > 0) {
            const QColor background = fromWindowsColour(colour);
            setBackgroundColour(*tile.panel, background);
            setBackgroundColour(*tile.edit, background);
            setBackgroundColour(*tile.memo, background);
        }
        tile.edit->setText(TilePriceText[n]);
        tile.memo->setText(TileName[n]);
        if (pictures) {
            const bool noPicture = statement.isNull(QStringLiteral("IMAGE_PARAM"));
            const int textLeft = noPicture ? 5 : picture.left() + picture.width() + 4;
            tile.edit->move(textLeft, tile.edit->y());
            tile.memo->setGeometry(textLeft, tile.memo->y(),
                                   noPicture ? panelWidth - 10 : panelWidth - picture.width() - 9, tile.memo->height());
            if (noPicture) {
                tile.image->hide();
            } else {
                tile.image->show();
                tile.image->setPixmap(decodeWindowsBitmap(statement.asBytes(QStringLiteral("IMAGE_PARAM"))));
            }
        }
        ++placed[statement.asInt64(QStringLiteral("KOD_BLUDO_CALC_PROGRAM"))];
    }
    statement.close();
    removeFromMenuCache(TMenu, std::move(placed));

    if (pictures)
        for (int i = 1; i <= lastTile; ++i)
            screen.tile(i).panel->update();

    for (int k = 1; k <= 9; ++k) {
        const QString name = QStringLiteral("Раздел%1").arg(k);
        screen.PageControl1->setTabText(k - 1, name);
        Form_Spisok->SectionButton[k]->setText(name);
    }
    Query& sections = Form_Base->QRead1;
    setStatement(sections, {QStringLiteral(
                               "SELECT NAME_PARAM, STRING_PARAM FROM MY_PARAM WHERE NAME_PARAM >= :S1 AND NAME_PARAM <= :S2")});
    sections.setString(QStringLiteral("S1"), firstSection);
    sections.setString(QStringLiteral("S2"), lastSection);
    sections.open();
    for (; !sections.eof(); sections.next()) {
        // The ninth character is the section number: "zakladka10" names section 1.
        const QString key = sections.asString(QStringLiteral("NAME_PARAM"));
        const int k = key.size() >= 9 ? key.at(8).digitValue() : -1;
        if (k < 1 || k > 9)
            continue;
        const QString name = sections.asString(QStringLiteral("STRING_PARAM"));
        screen.PageControl1->setTabText(k - 1, name);
        Form_Spisok->SectionButton[k]->setText(name);
    }
    sections.close();
}
