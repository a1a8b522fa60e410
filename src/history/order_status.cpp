// The status button: the logged-in user's orders over a chosen period of due
// dates, read from the restaurant database.
#include "order/tform_main.h"

#include "db/tform_base.h"
#include "history/tform_period.h"
#include "history/tform_status.h"
#include "startup/environment.h"
#include "startup/forms.h"
#include "startup/interaction.h"
#include "startup/program_state.h"

#include <QDateEdit>

void TForm_Main::Btn_StatusClick()
{
    if (ui().execModal(*Form_Period) != QDialog::Accepted)
        return;
    Query& status = Form_Base->Q_Status;
    setStatement(status, {
        QStringLiteral("SELECT DATE_OPEN, TIME_OPEN, STATUS, KOD_SMENA, DATE_CLOSE, TIME_CLOSE, DATE_STATUS, TIME_STATUS, KASSA FROM ZAKAZ"),
        QStringLiteral("WHERE KOD_KLIENT = %1 AND DATE_OPEN >= :DS AND DATE_OPEN <= :DE").arg(CurrentPersonKod),
        QStringLiteral("ORDER BY DATE_OPEN, TIME_OPEN"),
    });
    status.setDate(QStringLiteral("DS"), Form_Period->DateTimePicker1->date());
    status.setDate(QStringLiteral("DE"), Form_Period->DateTimePicker2->date());
    status.prepare();
    status.open();
    // The query stays open after the window closes, until the next status action.
    Form_Status->DS_Status.load(status);
    ui().execModal(*Form_Status);
}
