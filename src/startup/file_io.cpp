#include "startup/file_io.h"

#include "startup/terminal_error.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Owns one POSIX file descriptor.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and reports the error a late write may only show here.
    int close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

QByteArray nativePath(const QString& path) { return path.toLocal8Bit(); }

} // namespace

bool fileExists(const QString& path)
{
    struct stat info {};
    return ::stat(nativePath(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

QByteArray readWholeFile(const QString& path)
{
    FileDescriptor file(::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0)
        throw FileError::fromErrno(errno, path);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        throw FileError::fromErrno(errno, path);
    if (S_ISDIR(info.st_mode))
        throw FileError::fromErrno(EISDIR, path);
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw FileError::fromErrno(errno, path);
        }
        if (got == 0)
            break;
        bytes.append(buffer, got);
    }
    return bytes;
}

void writeWholeFile(const QString& path, const QByteArray& bytes)
{
    const QByteArray target = nativePath(path);
    const QByteArray temporary = target + ".tmp";
    FileDescriptor file(::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (file.get() < 0)
        throw FileError::fromErrno(errno, path);
    auto fail = [&](int error) {
        ::unlink(temporary.constData());
        return FileError::fromErrno(error, path);
    };
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t put = ::write(file.get(), bytes.constData() + written, bytes.size() - written);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            throw fail(errno);
        }
        written += put;
    }
    if (::fsync(file.get()) != 0 || file.close() != 0)
        throw fail(errno);
    if (::rename(temporary.constData(), target.constData()) != 0)
        throw fail(errno);
}
