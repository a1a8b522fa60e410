// A started terminal over a real restaurant database with an open shift,
// its menu, and tile rows the test adds, with the locale fixed to Russian.
#pragma once

#include "db/database.h"
#include "db/query.h"
#include "db/transaction.h"
#include "order/tform_main.h"
#include "order/tform_p2.h"
#include "startup/forms.h"
#include "support/terminal_test.h"
#include "support/test_database.h"

#include <QLocale>
#include <optional>

class OrderFixture : public TerminalTest {
protected:
    OrderFixture();
    ~OrderFixture() override;

    // A dish on the open shift's menu (menu 1); closedMenu puts it on the closed shift's menu.
    void addDish(qint64 code, const QString& name, double price, bool closedMenu = false);
    // A tile row: NAME_PARAM, tile number, the dish code as text, colour and picture.
    void addTileRow(const QString& key, int tile, qint64 dishCode, std::optional<double> colour = std::nullopt,
                    std::optional<QByteArray> picture = std::nullopt);
    void addSection(const QString& key, const QString& name);
    // The 24-tile layout: the "ff2" row.
    void useMainLayout();
    // Starts the program; the login is left unanswered, so the order
    // screens stay as the connection start left them.
    void start();

    // The tile controls of the screen in use.
    static const TileControls& tileOf(int n) { return TForm_Main::screenInUse().tile(n); }
    // KOD x KOLVO of every order row.
    static QStringList orderRows();

    // A Windows bitmap of the given size.
    static QByteArray bitmap(int width, int height);

    TestDatabase database;

private:
    void execute(const QString& sql, const std::function<void(Query&)>& bind);
    int nextKey_ = 1000;
    QLocale savedLocale_;
};
