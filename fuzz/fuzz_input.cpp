#include "fuzz_input.h"

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

char inputName[] = "/tmp/terminal-fuzz-XXXXXX";

void removeInput()
{
    ::unlink(inputName);
}

} // namespace

const QString& fuzzInputPath()
{
    static const QString path = [] {
        const int fd = ::mkstemp(inputName);
        if (fd < 0)
            std::abort();
        ::close(fd);
        std::atexit(removeInput);
        return QString::fromLocal8Bit(inputName);
    }();
    return path;
}

void writeFuzzInput(const uint8_t* data, size_t size)
{
    const int fd = ::open(fuzzInputPath().toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        std::abort();
    for (size_t done = 0; done < size;) {
        const ssize_t put = ::write(fd, data + done, size - done);
        if (put <= 0)
            std::abort();
        done += static_cast<size_t>(put);
    }
    ::close(fd);
}
