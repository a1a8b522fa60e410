// The 24-tile order screen and main window of the program. It owns the
// order-screen data for both layouts: the per-tile data and the handlers of
// the bottom buttons.
#pragma once

#include "order/localtable/local_table.h"
#include "order/localtable/local_table_model.h"

#include <QString>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

class TForm_Main : public QWidget {
    Q_OBJECT

public:
    // Tile numbers run from 1; index 0 is unused.
    static constexpr int MaxTiles = 405;

    TForm_Main();

    // Creation step: screen flags and geometry, the local tables, the
    // default Net.txt and the cleared per-tile data.
    void FormCreate();

    void Btn_ExitClick();

    // Fill the tiles of the 24-tile or the 45-tile screen from the database.
    void LoadMainTiles();
    void LoadP2Tiles();

    QLabel* Panel999 = nullptr;
    QPushButton* Btn_Exit = nullptr;

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
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createDataSources();
    void connectHandlers();
    void applyMainWindowGeometry();
    void clearTileData();
};
