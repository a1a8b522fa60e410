#include "order/tform_klava.h"

TForm_Klava::TForm_Klava()
    : TerminalDialog(QString(), TitleButtons::CloseOnly)
{
    setObjectName(QStringLiteral("Form_Klava"));
}

void TForm_Klava::FormCreate()
{
    applyDialogScaleRule();
}
