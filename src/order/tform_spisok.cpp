#include "order/tform_spisok.h"

TForm_Spisok::TForm_Spisok()
    : TerminalDialog(QStringLiteral("Дополнительный список товаров"))
{
    setObjectName(QStringLiteral("Form_Spisok"));
}

void TForm_Spisok::FormCreate()
{
    applyDialogScaleRule();
}
