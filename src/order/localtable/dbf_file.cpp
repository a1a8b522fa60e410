#include "order/localtable/dbf_file.h"

#include "startup/terminal_error.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

int openFlags(DbfFile::Mode mode)
{
    switch (mode) {
    case DbfFile::Mode::ReadOnly:
        return O_RDONLY;
    case DbfFile::Mode::ReadWrite:
        return O_RDWR;
    case DbfFile::Mode::Replace:
        return O_WRONLY | O_CREAT | O_TRUNC;
    }
    return O_RDONLY;
}

} // namespace

DbfFile::DbfFile(const QString& path, Mode mode)
    : path_(path)
{
    do
        fd_ = ::open(path.toLocal8Bit().constData(), openFlags(mode) | O_CLOEXEC, 0666);
    while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0)
        throw FileError::fromErrno(errno, path);
    // Only a plain file can hold a table; a folder or device is refused.
    struct stat info {};
    int error = 0;
    if (::fstat(fd_, &info) != 0)
        error = errno;
    else if (S_ISDIR(info.st_mode))
        error = EISDIR;
    else if (!S_ISREG(info.st_mode))
        error = EINVAL;
    if (error != 0) {
        ::close(std::exchange(fd_, -1));
        throw FileError::fromErrno(error, path);
    }
}

DbfFile::DbfFile(DbfFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1))
    , path_(std::move(other.path_))
{
}

DbfFile& DbfFile::operator=(DbfFile&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

DbfFile::~DbfFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

QByteArray DbfFile::readAll() const
{
    struct stat info {};
    if (::fstat(fd_, &info) != 0)
        throw FileError::fromErrno(errno, path_);
    // Read what the size promises and no further, so a file that grows
    // meanwhile cannot make the read unbounded.
    QByteArray bytes(static_cast<qsizetype>(info.st_size), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t piece = ::pread(fd_, bytes.data() + got, bytes.size() - got, got);
        if (piece < 0) {
            if (errno == EINTR)
                continue;
            throw FileError::fromErrno(errno, path_);
        }
        if (piece == 0)
            break;
        got += piece;
    }
    bytes.truncate(got);
    return bytes;
}

void DbfFile::writeAt(qint64 offset, QByteArrayView bytes)
{
    qsizetype put = 0;
    while (put < bytes.size()) {
        const ssize_t piece = ::pwrite(fd_, bytes.data() + put, bytes.size() - put, offset + put);
        if (piece < 0) {
            if (errno == EINTR)
                continue;
            throw FileError::fromErrno(errno, path_);
        }
        put += piece;
    }
}

void DbfFile::close()
{
    if (fd_ < 0)
        return;
    if (::close(std::exchange(fd_, -1)) != 0)
        throw FileError::fromErrno(errno, path_);
}
