#include "history/tform_status.h"

TForm_Status::TForm_Status()
    : TerminalDialog(QStringLiteral("Статус заказов"), TitleButtons::CloseOnly)
{
    setObjectName(QStringLiteral("Form_Status"));
}

void TForm_Status::FormCreate()
{
    // This window is never scaled.
}
