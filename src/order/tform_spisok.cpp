#include "order/tform_spisok.h"

#include "startup/design.h"

#include <QPushButton>

TForm_Spisok::TForm_Spisok()
    : TerminalDialog(QStringLiteral("Дополнительный список товаров"))
{
    setObjectName(QStringLiteral("Form_Spisok"));
    setFont(windowDefaultFont());
    setDesignedSize(771, 469);
    createControls();
}

void TForm_Spisok::createControls()
{
    const int tops[] = {0, 52, 104, 156, 208, 260, 312, 364, 417};
    for (int k = 1; k <= 9; ++k)
        SectionButton[k] = placeControl<QPushButton>(this, QStringLiteral("Button%1").arg(k), QRect(600, tops[k - 1], 171, 52));
}

void TForm_Spisok::FormCreate()
{
    applyDialogScaleRule();
}
