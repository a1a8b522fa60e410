// The print button: the order being composed, with its note, laid out in a
// new spreadsheet that the user prints from.
#include "order/tform_main.h"

#include "history/order_printout.h"
#include "history/spreadsheet.h"
#include "order/localtable/prepare_local_tables.h"
#include "send/tform_info.h"
#include "startup/forms.h"
#include "startup/program_state.h"

#include <QPlainTextEdit>

using namespace LocalColumn;

void TForm_Main::Btn_PrintClick()
{
    if (!OrderOpen || TKassa.LiveRowCount() == 0)
        return;
    const std::unique_ptr<Spreadsheet> sheet = newSpreadsheet();
    OrderPrintout printout;
    printout.heading = printoutHeading(CurrentLogin, QDateTime::currentDateTime());
    for (int i = 0; i < TKassa.LiveRowCount(); ++i) {
        const LocalRow row = TKassa.row(i);
        printout.lines.push_back({row.asText(NAME), row.asDouble(CENA), row.asDouble(KOLVO), row.asDouble(SUMMA)});
    }
    printout.note = noteLines(Form_Info->Memo1->toPlainText());
    printOrder(*sheet, printout);
    // As after walking the order to its end: the last row is the current one.
    // A print that failed leaves the current row as it was.
    TKassa.setCurrentRow(TKassa.LiveRowCount() - 1);
}
