// The print button: the order being composed, with its note, laid out in a
// new spreadsheet that the user prints from.
#include "order/tform_main.h"

#include "history/order_printout.h"
#include "history/spreadsheet.h"
#include "send/tform_info.h"
#include "startup/forms.h"
#include "startup/program_state.h"

#include <QPlainTextEdit>

void TForm_Main::Btn_PrintClick()
{
    if (!OrderOpen || TKassa.LiveRowCount() == 0)
        return;
    const int rowBefore = TKassa.currentRow();
    try {
        const std::unique_ptr<Spreadsheet> sheet = newSpreadsheet();
        OrderPrintout printout;
        printout.heading = printoutHeading(CurrentLogin, QDateTime::currentDateTime());
        // Walked to its end: after a print the last row is the current one.
        for (TKassa.first(); !TKassa.atEnd(); TKassa.next())
            printout.lines.push_back({TKassa.asText(QStringLiteral("NAME")), TKassa.asDouble(QStringLiteral("CENA")),
                                      TKassa.asDouble(QStringLiteral("KOLVO")), TKassa.asDouble(QStringLiteral("SUMMA"))});
        printout.note = noteLines(Form_Info->Memo1->toPlainText());
        printOrder(*sheet, printout);
    } catch (...) {
        // A print that failed leaves the order as it was, its current row included.
        if (rowBefore >= 0)
            TKassa.setCurrentRow(rowBefore);
        throw;
    }
}
