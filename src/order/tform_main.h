// The 24-tile order screen and main window of the program. It owns the
// order-screen data for both layouts: the per-tile data and the handlers of
// the bottom buttons.
#pragma once

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

    QLabel* Panel999 = nullptr;
    QPushButton* Btn_Exit = nullptr;

    std::array<qint64, MaxTiles + 1> TileKod {};
    std::array<QString, MaxTiles + 1> TileName {};
    std::array<QString, MaxTiles + 1> TilePriceText {};
    std::array<double, MaxTiles + 1> TilePrice {};

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    void applyMainWindowGeometry();
    void clearTileData();
};
