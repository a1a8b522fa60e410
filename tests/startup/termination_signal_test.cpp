// SIGTERM and SIGINT to a terminal process connected to its database: the
// program ends in its own orderly way, detached, instead of running on with
// the attachment the Firebird client would otherwise have shut down.
#include "db/query.h"
#include "db/transaction.h"
#include "startup/codepages.h"
#include "startup/file_io.h"
#include "startup/keystream.h"
#include "startup/password_file.h"
#include "support/test_database.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace {

class TerminationSignal : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        const QString program = programFolder.path() + u'/';
        binary = program + QStringLiteral("order-terminal");
        ASSERT_TRUE(QFile::copy(QStringLiteral(TERMINAL_BINARY), binary));
        writeWholeFile(program + QStringLiteral("Net.txt"), "Local\r\n" + database.connectionString().toLocal8Bit() + "\r\n");
        Keystream keystream;
        writePasswordFile(keystream, program + QLatin1String(PasswordFileName),
                          encodeText(CodePage::Cp1251, serverAccount().password));
    }

    // Attachments the server holds for the process, as the monitoring tables show them.
    qint64 attachmentsOf(qint64 pid)
    {
        Database monitor;
        database.connect(monitor);
        Transaction transaction(monitor);
        Query query(transaction);
        query.setSql({QStringLiteral("SELECT COUNT(*) AS N FROM MON$ATTACHMENTS WHERE MON$REMOTE_PID = :PID")});
        query.setInt64(QStringLiteral("PID"), pid);
        query.open();
        return query.asInt64(QStringLiteral("N"));
    }

    bool waitForAttachments(qint64 pid, bool present)
    {
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            if ((attachmentsOf(pid) > 0) == present)
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    TestDatabase database;
    QTemporaryDir programFolder;
    QTemporaryDir runtimeFolder;
    QString binary;
};

} // namespace

TEST_P(TerminationSignal, EndsTheConnectedTerminal)
{
    QProcess terminal;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder.path());
    terminal.setProcessEnvironment(environment);
    terminal.start(binary, {});
    ASSERT_TRUE(terminal.waitForStarted());
    const qint64 pid = terminal.processId();

    // Connected, and waiting in the login dialog.
    ASSERT_TRUE(waitForAttachments(pid, true));
    ASSERT_EQ(::kill(static_cast<pid_t>(pid), GetParam()), 0);

    const bool ended = terminal.waitForFinished(15000);
    if (!ended) {
        terminal.kill();
        terminal.waitForFinished(10000);
    }
    ASSERT_TRUE(ended) << "the terminal ran on after the signal";
    EXPECT_EQ(terminal.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(terminal.exitCode(), 0);
    EXPECT_TRUE(waitForAttachments(pid, false));
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationSignal, ::testing::Values(SIGTERM, SIGINT),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(info.param == SIGTERM ? "SIGTERM" : "SIGINT");
                         });
