// Tile press feedback: while a finger rests on a tile its contents sit two
// pixels lower and further right inside a sunken panel, and the press orders
// one portion of the tile's dish.
#include "order/tform_main.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

void shiftContents(const TileControls& tile, int by)
{
    for (QWidget* child : {static_cast<QWidget*>(tile.image), static_cast<QWidget*>(tile.memo),
                           static_cast<QWidget*>(tile.edit), static_cast<QWidget*>(tile.button)})
        if (child)
            child->move(child->x() + by, child->y() + by);
}

} // namespace

void TForm_Main::TilePress(int n)
{
    OrderScreenControls& screen = screenInUse();
    if (n < 1 || n > screen.tileCount())
        return;
    // A press whose release never came (a message box took it) ends first,
    // so no tile is ever left shifted twice.
    if (pressedTile_ != 0)
        TileRelease(pressedTile_);
    const TileControls& tile = screen.tile(n);
    shiftContents(tile, +2);
    tile.panel->setFrameShadow(QFrame::Sunken);
    pressedTile_ = n;
    if (TileKod[n] == 0)
        return;
    try {
        AddTileDish(n, tile.button, +1);
    } catch (...) {
        // The error box that follows takes the release: end the press now.
        TileRelease(n);
        throw;
    }
}

void TForm_Main::TileRelease(int n)
{
    if (n != pressedTile_)
        return;
    const TileControls& tile = screenInUse().tile(n);
    shiftContents(tile, -2);
    tile.panel->setFrameShadow(QFrame::Raised);
    pressedTile_ = 0;
}

void TForm_Main::Panel1MouseDown(QWidget* sender) { TilePress(tileNumberOf(sender)); }
void TForm_Main::Panel1MouseUp(QWidget* sender) { TileRelease(tileNumberOf(sender)); }
void TForm_Main::Image1MouseDown(QWidget* sender) { TilePress(tileNumberOf(sender)); }
void TForm_Main::Image1MouseUp(QWidget* sender) { TileRelease(tileNumberOf(sender)); }
void TForm_Main::Memo1MouseDown(QWidget* sender) { TilePress(tileNumberOf(sender)); }
void TForm_Main::Memo1MouseUp(QWidget* sender) { TileRelease(tileNumberOf(sender)); }
void TForm_Main::Edit1MouseDown(QWidget* sender) { TilePress(tileNumberOf(sender)); }
void TForm_Main::Edit1MouseUp(QWidget* sender) { TileRelease(tileNumberOf(sender)); }
