// The single-instance guard with real terminal processes: a second copy ends
// at once, and a killed first copy does not block the next start.
#include "startup/single_instance.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// True while some process holds the lock on the file.
bool lockHeld(const QString& path)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

bool waitUntil(const std::function<bool()>& condition, int milliseconds = 15000)
{
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        if (condition())
            return true;
        QThread::msleep(20);
    }
    return condition();
}

class SingleInstance : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A program folder of its own, so the terminal's files stay out of the build tree.
        binary = programFolder.filePath(QStringLiteral("order-terminal"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(TERMINAL_BINARY), binary));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder.path());
        environment = env;
        lockPath = runtimeFolder.filePath(QLatin1String(SingleInstanceName));
    }

    void start(QProcess& process)
    {
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(programFolder.path());
        process.start(binary, {});
        ASSERT_TRUE(process.waitForStarted());
    }

    QTemporaryDir programFolder;
    QTemporaryDir runtimeFolder;
    QString binary;
    QString lockPath;
    QProcessEnvironment environment;
};

} // namespace

TEST_F(SingleInstance, SecondCopyEndsAtOnceAndAKilledFirstCopyBlocksNothing)
{
    QProcess first;
    start(first);
    ASSERT_TRUE(waitUntil([&] { return lockHeld(lockPath); }));

    QProcess second;
    start(second);
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();
    ASSERT_TRUE(first.waitForFinished(10000));

    QProcess third;
    start(third);
    EXPECT_TRUE(waitUntil([&] { return lockHeld(lockPath); }));
    EXPECT_EQ(third.state(), QProcess::Running);
    third.kill();
    third.waitForFinished(10000);
}

TEST(SingleInstanceGuard, HoldsTheLockUntilDestroyed)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("guard"));
    {
        SingleInstanceGuard first(path);
        EXPECT_TRUE(first.isFirst());
        SingleInstanceGuard second(path);
        EXPECT_FALSE(second.isFirst());
    }
    SingleInstanceGuard again(path);
    EXPECT_TRUE(again.isFirst());
}
