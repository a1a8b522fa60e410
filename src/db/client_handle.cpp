#include "db/client_handle.h"

#include <ibase.h>
#include <type_traits>

static_assert(std::is_same_v<FB_API_HANDLE, FbHandle>);

void releaseHandle(HandleKind kind, FbHandle& handle) noexcept
{
    ISC_STATUS_ARRAY status {};
    switch (kind) {
    case HandleKind::Attachment:
        isc_detach_database(status, &handle);
        break;
    case HandleKind::Transaction:
        isc_rollback_transaction(status, &handle);
        break;
    case HandleKind::Statement:
        isc_dsql_free_statement(status, &handle, DSQL_drop);
        break;
    case HandleKind::Blob:
        isc_cancel_blob(status, &handle);
        break;
    }
}
