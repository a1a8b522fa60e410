// What the order screens do with the order table: adding and removing
// portions from the tiles, the total, moving the current row, and the reset.
#include "order/tform_main.h"

#include "order/localtable/number_format.h"
#include "order/localtable/prepare_local_tables.h"
#include "order/order_grid.h"
#include "order/tform_p2.h"
#include "send/tform_info.h"
#include "startup/forms.h"
#include "startup/program_state.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace LocalColumn;

namespace {
void emptyTable(LocalTable& table)
{
    table.open();
    table.first();
    while (table.LiveRowCount() > 0)
        table.deleteRow();
}

void showTileQuantity(QPushButton* button, double quantity)
{
    button->setText(formatNumber(quantity, u"0.####"));
    button->show();
}

void hideTileQuantity(QPushButton* button)
{
    button->setText(QString());
    button->hide();
}
} // namespace

void TForm_Main::openNewOrder(TotalOn colours)
{
    emptyTable(TKassa);
    for (OrderScreenControls* screen : bothScreens()) {
        if (colours == TotalOn::ScreenInUse && screen != &screenInUse())
            continue;
        screen->Panel999->clear();
        screen->setOrderColours(true);
    }
    OrderOpen = true;
}

bool TForm_Main::findOrderRow(qint64 kod)
{
    // Detached, so that neither grid follows the search.
    const DetachedView detached(DSKassa);
    for (TKassa.first(); !TKassa.atEnd(); TKassa.next())
        if (TKassa.asInteger(KOD) == kod)
            return true;
    return false;
}

void TForm_Main::AddTileDish(int i, QPushButton* button, double delta)
{
    if (!OrderOpen)
        openNewOrder(TotalOn::ScreenInUse);
    if (findOrderRow(TileKod[i])) {
        const double quantity = TKassa.asDouble(KOLVO) + delta;
        if (quantity > 0) {
            TKassa.edit();
            TKassa.setDouble(KOLVO, quantity);
            TKassa.post();
            showTileQuantity(button, TKassa.asDouble(KOLVO));
        } else {
            TKassa.deleteRow();
            hideTileQuantity(button);
        }
    } else {
        TKassa.append();
        TKassa.setInteger(KOD, TileKod[i]);
        TKassa.setText(NAME, TileName[i]);
        TKassa.setDouble(CENA, TilePrice[i]);
        TKassa.setDouble(KOLVO, 1);
        TKassa.post();
        showTileQuantity(button, TKassa.asDouble(KOLVO));
    }
    ShowOrderTotal(TotalOn::ScreenInUse);
}

void TForm_Main::Button1Click(QPushButton* sender)
{
    const int i = tileNumberOf(sender);
    if (i < 1 || i > MaxTiles || TileKod[i] == 0)
        return;
    AddTileDish(i, sender, -1);
}

void TForm_Main::ShowOrderTotal(TotalOn screens)
{
    double sum = 0;
    TCount.open();
    for (int row = 0; row < TCount.LiveRowCount(); ++row)
        sum += TCount.row(row).asDouble(SUMMA);
    TCount.close();
    const QString text = formatNumber(sum, u"0.00");
    if (screens == TotalOn::BothScreens) {
        Form_Main->Panel999->setText(text);
        Form_P2->Panel999->setText(text);
    } else {
        screenInUse().Panel999->setText(text);
    }
}

void TForm_Main::Btn_DownClick()
{
    if (!TKassa.atEnd())
        TKassa.next();
}

void TForm_Main::Btn_UpClick()
{
    if (!TKassa.atStart())
        TKassa.prior();
}

void TForm_Main::BtnCancelClick()
{
    Form_Info->Memo1->clear();
    emptyTable(TKassa);
    OrderOpen = false;
    for (OrderScreenControls* screen : bothScreens()) {
        screen->Panel999->clear();
        screen->setOrderColours(false);
    }
    screenInUse().clearTileButtons();
}
