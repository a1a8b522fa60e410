#include "send/tform_info.h"

TForm_Info::TForm_Info()
    : TerminalDialog(QStringLiteral("Информация о заказе"))
{
    setObjectName(QStringLiteral("Form_Info"));
}

void TForm_Info::FormCreate()
{
    applyDialogScaleRule();
}
