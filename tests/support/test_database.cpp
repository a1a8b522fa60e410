#include "support/test_database.h"

#include "startup/terminal_error.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

const QString folder = QStringLiteral("/tmp/order-terminal-tests");

// The server runs as its own user and creates the file itself.
void makeFolder()
{
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                      | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                      | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
}

QString uniquePath()
{
    static QAtomicInt counter;
    return QStringLiteral("%1/%2-%3.fdb")
        .arg(folder)
        .arg(QCoreApplication::applicationPid())
        .arg(counter.fetchAndAddRelaxed(1));
}

QString schemaScript()
{
    QFile file(QStringLiteral(SOURCE_DIR "/sql/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw TerminalError(QStringLiteral("Cannot read %1").arg(file.fileName()));
    return QString::fromUtf8(file.readAll());
}

} // namespace

const ServerAccount& serverAccount()
{
    static const ServerAccount account = readServerAccount();
    return account;
}

TestDatabase::TestDatabase() : path_(uniquePath())
{
    makeFolder();
    QFile::remove(path_);
    admin_.setDatabaseName(connectionString());
    // Throwaway files need not reach the disk at every commit; this halves
    // the time the schema takes.
    admin_.setParams(connectionParams() << QStringLiteral("force_write=0"));
    admin_.createDatabase();
    run(schemaScript());
}

TestDatabase::~TestDatabase()
{
    try {
        if (admin_.isAlive()) {
            admin_.dropDatabase();
        } else {
            // The server was restarted since the helper attached (a serial
            // test does that): the file is dropped over a new attachment.
            Database again;
            connect(again);
            again.dropDatabase();
        }
    } catch (const std::exception&) {
        // A connection left open keeps the file; nothing else can be done here.
    }
}

QString TestDatabase::connectionString() const
{
    return QStringLiteral("localhost:") + path_;
}

QStringList TestDatabase::connectionParams() const
{
    return ::connectionParams(serverAccount());
}

void TestDatabase::connect(Database& database) const
{
    database.setDatabaseName(connectionString());
    database.setParams(connectionParams());
    database.connect();
}

void TestDatabase::run(const QString& script)
{
    runScript(admin_, script);
}
