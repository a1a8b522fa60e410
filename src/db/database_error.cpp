#include "db/database_error.h"

#include "startup/codepages.h"

#include <QStringList>
#include <ibase.h>
#include <type_traits>

static_assert(std::is_same_v<ISC_STATUS, intptr_t>);
static_assert(ISC_STATUS_LENGTH == 20);

void check(const StatusVector& status)
{
    if (!status.failed())
        return;
    QStringList lines;
    const ISC_STATUS* cursor = status.data();
    char buffer[1024];
    while (fb_interpret(buffer, sizeof buffer, &cursor) > 0)
        lines << decodeText(CodePage::Cp1251, QByteArray(buffer));
    throw DatabaseError(lines.join(u'\n'), static_cast<long>(status.data()[1]));
}
