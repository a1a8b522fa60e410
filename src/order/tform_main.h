// The 24-tile order screen and main window of the program. It owns the
// order-screen data for both layouts: the local table views, the per-tile
// data, and the handlers of the bottom buttons, which the 45-tile screen
// passes its clicks to.
#pragma once

#include "order/localtable/local_table.h"
#include "order/localtable/local_table_model.h"
#include "order/order_screen.h"

#include <QString>
#include <QWidget>
#include <array>

class QPushButton;
class Query;

class TForm_Main : public QWidget, public OrderScreenControls {
    Q_OBJECT

public:
    // Tile numbers run from 1 to 405 over both layouts; index 0 is unused.
    static constexpr int MaxTiles = 405;

    TForm_Main();

    // Creation step: screen flags and geometry, the local tables, the
    // default Net.txt and the cleared per-tile data.
    void FormCreate();

    // The order screen in use: Form_P2 when UseFormP2 is set, else Form_Main.
    static OrderScreenControls& screenInUse();
    // Both order screens, Form_Main's first.
    static std::array<OrderScreenControls*, 2> bothScreens();

    // Fill the tiles of the 24-tile or the 45-tile screen from the database.
    void LoadMainTiles();
    void LoadP2Tiles();

    // Press and release of tile n on the screen in use; a press orders one portion.
    void TilePress(int n);
    void TileRelease(int n);

    // Mouse handlers of the tile controls, shared by all tiles.
    void Panel1MouseDown(QWidget* sender);
    void Panel1MouseUp(QWidget* sender);
    void Image1MouseDown(QWidget* sender);
    void Image1MouseUp(QWidget* sender);
    void Memo1MouseDown(QWidget* sender);
    void Memo1MouseUp(QWidget* sender);
    void Edit1MouseDown(QWidget* sender);
    void Edit1MouseUp(QWidget* sender);

    // The order table.
    void AddTileDish(int i, QPushButton* button, double delta);
    void Button1Click(QPushButton* sender);
    enum class TotalOn { ScreenInUse, BothScreens };
    void ShowOrderTotal(TotalOn screens);
    void Btn_DownClick();
    void Btn_UpClick();
    void BtnCancelClick();
    // The quantity keypad, and the list of the dishes without a tile.
    void Btn_KolvoClick();
    void BtnMenuClick();

    void Btn_ExitClick();
    // The user's orders over a period, and the printout of the order.
    void Btn_StatusClick();
    void Btn_PrintClick();
    // Sending the order, and its note.
    void BtnKassaClick();
    void BtnInfoClick();

    // The order being composed (editing, open for the whole run), the
    // read-only view the total is counted on, and the menu cache.
    LocalTable TKassa;
    LocalTable TCount;
    LocalTable TMenu;
    // What the grids show of TKassa and TMenu.
    LocalTableModel DSKassa;
    LocalTableModel DSMenu;

    std::array<qint64, MaxTiles + 1> TileKod {};
    std::array<QString, MaxTiles + 1> TileName {};
    std::array<QString, MaxTiles + 1> TilePriceText {};
    std::array<double, MaxTiles + 1> TilePrice {};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createDataSources();
    void connectHandlers();
    void applyMainWindowGeometry();
    void clearTileData(int lastTile);
    // Steps shared by both loaders.
    void loadTiles(OrderScreenControls& screen, Query& tileStatement, const QString& firstSection,
                   const QString& lastSection);
    void openNewOrder(TotalOn colours);
    // Moves TKassa to the row of the dish, with the grids detached.
    bool findOrderRow(qint64 kod);

    // The tile whose press has not been released yet, or 0.
    int pressedTile_ = 0;
};
