#include "history/tform_period.h"

TForm_Period::TForm_Period()
    : TerminalDialog(QStringLiteral("Выбор периода"))
{
    setObjectName(QStringLiteral("Form_Period"));
}

void TForm_Period::FormCreate()
{
    applyDialogScaleRule();
}
