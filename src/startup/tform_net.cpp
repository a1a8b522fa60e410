#include "startup/tform_net.h"

TForm_Net::TForm_Net()
    : TerminalDialog(QStringLiteral("Настройка программы для работы в сети"))
{
    setObjectName(QStringLiteral("Form_Net"));
}

void TForm_Net::FormCreate()
{
    // This window is never scaled.
}
