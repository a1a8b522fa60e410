// Failures reported by the Firebird client library, with the server's own
// message text, and the one place that turns a status vector into one.
#pragma once

#include "startup/terminal_error.h"

#include <array>
#include <cstdint>

class DatabaseError : public TerminalError {
public:
    DatabaseError(const QString& message, long code)
        : TerminalError(message), code_(code) {}
    // The library's first error code (an isc_* value), 0 when the layer
    // itself found the fault.
    long code() const { return code_; }

private:
    long code_;
};

// The client library's status vector; its words are the library's
// ISC_STATUS, which is intptr_t (checked where the library is included).
class StatusVector {
public:
    intptr_t* data() { return words_.data(); }
    const intptr_t* data() const { return words_.data(); }
    bool failed() const { return words_[0] == 1 && words_[1] != 0; }

private:
    std::array<intptr_t, 20> words_ {};
};

// Throws DatabaseError with the status vector's messages, decoded from code
// page 1251, one per line; does nothing when the call succeeded.
void check(const StatusVector& status);
