// The controls both order screens have: the total panel, the order grid, the
// nine tab pages of tiles and the ten bottom buttons. Each screen is built
// from a layout that says where its controls lie at design size.
#pragma once

#include "startup/application.h"

#include <QRect>
#include <QWidget>
#include <QString>
#include <array>
#include <vector>

class LocalTableModel;
class OrderGrid;
class QColor;
class QEvent;
class QFrame;
class QObject;
class QLabel;
class QPushButton;
class QTabWidget;
class QWidget;

// The controls of one tile; image is null on the 45-tile screen.
struct TileControls {
    QFrame* panel = nullptr;
    QLabel* image = nullptr;
    QLabel* memo = nullptr;
    QLabel* edit = nullptr;
    QPushButton* button = nullptr;
};

struct OrderScreenLayout {
    int tilesPerPage;
    int columns;
    int totalHeight;       // Panel999 and GridKassa
    QRect pageControl;
    int tabFontSize;
    // Panel of the tile at column c, row r of its page.
    QRect (*tilePanel)(int column, int row);
    bool pictures;
    QRect image, memo, edit, button;
    int memoFontSize, editFontSize;
    int bottomTop, bottomHeight;
    std::array<int, 10> bottomLefts, bottomWidths;
    int summaWidth;
};

extern const OrderScreenLayout MainScreenLayout;
extern const OrderScreenLayout P2ScreenLayout;

class OrderScreenControls {
public:
    QLabel* Panel999 = nullptr;
    OrderGrid* GridKassa = nullptr;
    QTabWidget* PageControl1 = nullptr;
    std::array<QWidget*, 10> TabSheet {}; // TabSheet[1] .. TabSheet[9]

    QPushButton* BtnKassa = nullptr;
    QPushButton* Btn_Print = nullptr;
    QPushButton* Btn_Status = nullptr;
    QPushButton* BtnInfo = nullptr;
    QPushButton* Btn_Kolvo = nullptr;
    QPushButton* Btn_Down = nullptr;
    QPushButton* Btn_Up = nullptr;
    QPushButton* BtnMenu = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* Btn_Exit = nullptr;

    // Tile i is tiles[i]; index 0 is unused.
    std::vector<TileControls> tiles;
    int tileCount() const { return static_cast<int>(tiles.size()) - 1; }
    const TileControls& tile(int i) const { return tiles.at(i); }

    // The total panel and the grid: white while an order is open, grey while none is.
    void setOrderColours(bool orderOpen);
    // Every tile quantity button without caption and hidden.
    void clearTileButtons();

protected:
    // Creates every control on the window at its designed place.
    void buildOrderScreen(QWidget& window, const OrderScreenLayout& layout, LocalTableModel& orderRows);
};

// The tile number carried in a tile control's name ("Memo12" gives 12), or 0
// for a control that is not part of a tile.
int tileNumberOf(const QObject* control);

// Which part of a tile a control is, by its name.
enum class TileControlKind { None, Panel, Image, Memo, Edit, Button };
TileControlKind tileControlKind(const QObject* control);

// A press of a tile control: a mouse-down of any button. The second press of
// a double tap reaches a widget as a double-click event only, and counts as
// a press of its own.
bool isPressEvent(const QEvent* event);
bool isReleaseEvent(const QEvent* event);

// A window's mouse handlers for one kind of tile control.
template <typename Window>
struct TileMouseRoute {
    TileControlKind kind;
    void (Window::*down)(QWidget*);
    void (Window::*up)(QWidget*);
};

// Hands a press or release of a tile control to the window's handler for
// its kind; true when the event was one of them.
template <typename Window, std::size_t N>
bool routeTileMouse(Window& window, QObject* watched, const QEvent* event, const std::array<TileMouseRoute<Window>, N>& routes)
{
    const bool press = isPressEvent(event);
    if (!press && !isReleaseEvent(event))
        return false;
    auto* control = static_cast<QWidget*>(watched);
    const TileControlKind kind = tileControlKind(control);
    for (const TileMouseRoute<Window>& route : routes) {
        if (route.kind == kind) {
            runReportingErrors([&] { (window.*(press ? route.down : route.up))(control); });
            return true;
        }
    }
    return false;
}

// The system's button-face and window colours.
QColor buttonFaceColour();
QColor windowColour();

// Background of a panel, name box or price box.
void setBackgroundColour(QWidget& control, const QColor& colour);
