// Owners of the client library's handles: each handle lives in exactly one
// ClientHandle, which cannot be copied, can be moved, and releases the
// handle when it goes (detach, roll back, free or cancel).
#pragma once

#include <utility>

// The library's FB_API_HANDLE (checked where the library is included).
using FbHandle = unsigned int;

enum class HandleKind { Attachment, Transaction, Statement, Blob };

// Releases a handle without throwing; failures are ignored because there is
// nothing left to do with a handle that cannot be released.
void releaseHandle(HandleKind kind, FbHandle& handle) noexcept;

template <HandleKind Kind>
class ClientHandle {
public:
    ClientHandle() = default;
    ~ClientHandle() { reset(); }
    ClientHandle(const ClientHandle&) = delete;
    ClientHandle& operator=(const ClientHandle&) = delete;
    ClientHandle(ClientHandle&& other) noexcept : handle_(std::exchange(other.handle_, 0)) {}
    ClientHandle& operator=(ClientHandle&& other) noexcept
    {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, 0);
        }
        return *this;
    }

    // For library calls, which take the handle's address and zero it when
    // they end its life (commit, detach, close).
    FbHandle* get() { return &handle_; }
    bool isValid() const { return handle_ != 0; }
    void reset() noexcept
    {
        if (handle_ != 0)
            releaseHandle(Kind, handle_);
        handle_ = 0;
    }

private:
    FbHandle handle_ = 0;
};

using AttachmentHandle = ClientHandle<HandleKind::Attachment>;
using TransactionHandle = ClientHandle<HandleKind::Transaction>;
using StatementHandle = ClientHandle<HandleKind::Statement>;
using BlobHandle = ClientHandle<HandleKind::Blob>;
