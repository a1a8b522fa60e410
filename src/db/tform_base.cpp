#include "db/tform_base.h"

#include "order/tform_main.h"
#include "startup/forms.h"

TForm_Base::TForm_Base()
{
    setObjectName(QStringLiteral("Form_Base"));
}

void TForm_Base::FormCreate()
{
    // Until the connection start and the login are built, the order screen opens at once.
    Form_Main->show();
}
