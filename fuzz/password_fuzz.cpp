// Fuzz target: any bytes as psw.txt and as its inner layer. Opening them
// must not fail at all, and any bytes formed into a password file must
// read back as the same password.
#include "startup/keystream.h"
#include "startup/password_file.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Keystream keystream;
    readPasswordBytes(keystream, bytes);
    OpenInnerLayer(keystream, bytes);
    if (readPasswordBytes(keystream, formPasswordFile(keystream, bytes)) != bytes)
        std::abort();
    return 0;
}
