// The list key of the order screens: one portion of a dish chosen from the
// dishes that have no tile.
#include "order/tform_main.h"

#include "order/localtable/prepare_local_tables.h"
#include "order/tform_spisok.h"
#include "startup/environment.h"
#include "startup/forms.h"
#include "startup/interaction.h"
#include "startup/program_state.h"

using namespace LocalColumn;

void TForm_Main::BtnMenuClick()
{
    if (ui().execModal(*Form_Spisok) != QDialog::Accepted)
        return;
    // With no dish in the list there is nothing to add, and no order to open.
    if (TMenu.currentRow() < 0)
        return;

    if (!OrderOpen)
        openNewOrder(TotalOn::BothScreens);
    if (findOrderRow(TMenu.asInteger(KOD))) {
        const double quantity = TKassa.asDouble(KOLVO) + 1;
        TKassa.edit();
        TKassa.setDouble(KOLVO, quantity);
        TKassa.post();
    } else {
        TKassa.append();
        TKassa.setInteger(KOD, TMenu.asInteger(KOD));
        TKassa.setText(NAME, TMenu.asText(NAME));
        TKassa.setDouble(CENA, TMenu.asDouble(CENA));
        TKassa.setDouble(KOLVO, 1);
        TKassa.post();
    }
    ShowOrderTotal(TotalOn::BothScreens);
}
