// A window that is never shown; it holds the database connection, its two
// transactions and the shared queries, and its creation step starts the
// work with the database.
#pragma once

#include <QWidget>

class TForm_Base : public QWidget {
    Q_OBJECT

public:
    TForm_Base();

    // Creation step, the last of the start-up sequence.
    void FormCreate();
};
