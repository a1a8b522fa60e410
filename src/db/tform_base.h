// A window that is never shown; it holds the program's one database
// connection, its two transactions and the queries other windows share, and
// its creation step starts the work with the database.
#pragma once

#include "db/database.h"
#include "db/query.h"
#include "db/stored_proc.h"
#include "db/transaction.h"

#include <QWidget>

class TForm_Base : public QWidget {
    Q_OBJECT

public:
    TForm_Base();

    // Creation step, the last of the start-up sequence: connects, checks the
    // database version, caches the open shift's menu, loads the staff list,
    // chooses the order-screen layout and fills its tiles, then runs the login.
    void FormCreate();

    // After a database failure: when the server no longer serves the
    // attachment (it stopped, or shut the attachment down), the attachment
    // is given up with its transactions and statements and true is returned.
    bool dropConnectionIfLost();
    // Attaches again when the attachment was given up, and opens the open
    // shift, which sending reads the menu from, when it is not open.
    void restoreConnection();

    // Declared in destruction order: queries before their transactions,
    // transactions before the connection.
    Database MyDB;
    Transaction TransactionRead;
    Transaction TransactionWrite;
    Query QRead1;
    Query QWrite1;
    StoredProc MyStoredProc;
    Query QPerson;
    Query QSmena;
    Query QReadI;
    Query QReadI2;
    Query Q_Status;

private:
    // Steps of the connection start inside its protected block; false when
    // the version check has ended the program.
    bool checkVersion();
    void fillMenuCache();
    void loadStaff();
    void chooseLayout();
    void loadTiles();
};

// Replaces the statement of a shared query: closed, its parameter values
// dropped, then the lines.
void setStatement(Query& query, const QStringList& lines);
