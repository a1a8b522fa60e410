#include "startup/single_instance.h"

#include <QDir>
#include <QLatin1String>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SingleInstanceGuard::SingleInstanceGuard(const QString& lockPath)
{
    const int fd = ::open(lockPath.toLocal8Bit().constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        anotherRuns_ = errno == EWOULDBLOCK;
        ::close(fd);
        return;
    }
    fd_ = fd;
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    if (fd_ >= 0)
        ::close(fd_);
}

QString SingleInstanceGuard::defaultLockPath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime + u'/' + QLatin1String(SingleInstanceName);
    return QDir::tempPath() + u'/' + QLatin1String(SingleInstanceName) + u'-' + QString::number(::getuid());
}
