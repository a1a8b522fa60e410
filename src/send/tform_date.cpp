#include "send/tform_date.h"

TForm_Date::TForm_Date()
    : TerminalDialog(QStringLiteral("Выбор даты и времени"))
{
    setObjectName(QStringLiteral("Form_Date"));
}

void TForm_Date::FormCreate()
{
    applyDialogScaleRule();
}
