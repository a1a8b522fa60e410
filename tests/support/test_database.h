// A throwaway restaurant database on the local Firebird server: created from
// sql/schema.sql when the object is made, dropped when it goes. Tests read
// its connection string and parameter lines and add their own rows.
#pragma once

#include "db/database.h"
#include "db/server_account.h"

#include <QString>
#include <QStringList>

// The server's SYSDBA account: ISC_USER and ISC_PASSWORD from the
// environment, else from /etc/firebird/3.0/SYSDBA.password.
const ServerAccount& serverAccount();

class TestDatabase {
public:
    TestDatabase();
    // Drops the database; every other connection to it must be closed by then.
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // The file, in a folder the server's own user can write.
    const QString& path() const { return path_; }
    // "localhost:" followed by the path.
    QString connectionString() const;
    // "user_name=…", "password=…", "lc_ctype=WIN1251".
    QStringList connectionParams() const;
    // Sets the connection string and parameter lines and connects.
    void connect(Database& database) const;

    // Runs a script of statements separated by ";" (SET TERM obeyed), each
    // committed on its own, over the helper's own connection.
    void run(const QString& script);

private:
    QString path_;
    Database admin_;
};
