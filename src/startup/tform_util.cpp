#include "startup/tform_util.h"

TForm_Util::TForm_Util()
{
    setObjectName(QStringLiteral("Form_Util"));
}
