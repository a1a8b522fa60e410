// Times the order terminal against a throwaway demo café on the local
// Firebird server, with a menu of 5,000 dishes, for the 24-tile and the
// 45-tile layout: terminal processes from their start to the login dialog
// and their peak memory, then in this process the windows, the connection
// start and the tile loader, a tile press up to the new total on a 30-row
// order, and sending orders of 1, 10 and 100 lines beside isql-fb running
// the same statements.
#include "db/database.h"
#include "db/query.h"
#include "db/server_account.h"
#include "db/tform_base.h"
#include "db/transaction.h"
#include "order/tform_main.h"
#include "order/tform_p2.h"
#include "send/tform_date.h"
#include "startup/application.h"
#include "startup/codepages.h"
#include "startup/environment.h"
#include "startup/file_io.h"
#include "startup/forms.h"
#include "startup/interaction.h"
#include "startup/keystream.h"
#include "startup/password_file.h"
#include "startup/program_state.h"
#include "startup/single_instance.h"
#include "startup/terminal_error.h"
#include "startup/tform_vhod.h"
#include "startup/tform_wait.h"

#include <QDate>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

namespace {

constexpr int Starts = 5;
constexpr int ProcessStarts = 5;
constexpr int MenuDishes = 5000;
constexpr int SessionOrderLines = 100;
constexpr int LoaderRuns = 20;
constexpr int OrderRows = 30;
constexpr int Presses = 1000;
constexpr int SendRuns = 7;
constexpr int SendLines[] = {1, 10, 100};
const QSize Screen(1024, 768);
const QString Login = QStringLiteral("anna");
const QString LoginPassword = QStringLiteral("1111");
const QString DatabaseFolder = QStringLiteral("/tmp/order-terminal-bench");

QElapsedTimer runClock;

qint64 now() { return runClock.nsecsElapsed(); }

// The system-wide monotonic clock, comparable between processes.
qint64 monotonicNs()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// The process's resident set at its highest so far.
double peakMemoryMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        throw TerminalError(QStringLiteral("Cannot read /proc/self/status"));
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    throw TerminalError(QStringLiteral("No VmHWM in /proc/self/status"));
}
double ms(qint64 ns) { return static_cast<double>(ns) / 1e6; }

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double percentile99(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<size_t>(std::ceil(0.99 * static_cast<double>(values.size())));
    return values[std::max<size_t>(rank, 1) - 1];
}

// Runs a program to its end; a failure carries what it wrote to stderr.
void runProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw TerminalError(QStringLiteral("%1 %2 failed: %3%4")
                                .arg(program, arguments.join(u' '), process.errorString(),
                                     QString::fromLocal8Bit(process.readAllStandardError())));
}

// The demo café the run works on, made by the demo tool in a folder the
// server's own user can write, and dropped at the end.
class ThrowawayDemo {
public:
    explicit ThrowawayDemo(const ServerAccount& account)
        : account_(account),
          path_(QStringLiteral("%1/%2.fdb").arg(DatabaseFolder).arg(QCoreApplication::applicationPid()))
    {
        QDir().mkpath(DatabaseFolder);
        QFile::setPermissions(DatabaseFolder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                  | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                                  | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
        runProgram(QStringLiteral(DEMO_DATABASE_BINARY), {QStringLiteral("create"), QStringLiteral("--force"), path_});
    }

    ~ThrowawayDemo()
    {
        try {
            Database database;
            connect(database);
            database.dropDatabase();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "Could not drop %s: %s\n", qPrintable(path_), e.what());
        }
    }

    ThrowawayDemo(const ThrowawayDemo&) = delete;
    ThrowawayDemo& operator=(const ThrowawayDemo&) = delete;

    void growMenu(int dishes)
    {
        runProgram(QStringLiteral(DEMO_DATABASE_BINARY), {QStringLiteral("menu"), QString::number(dishes), path_});
    }

    // Takes effect at the terminal's next start.
    void setLayout(int tiles)
    {
        runProgram(QStringLiteral(DEMO_DATABASE_BINARY), {QStringLiteral("layout"), QString::number(tiles), path_});
    }

    void connect(Database& database) const
    {
        database.setDatabaseName(connectionString());
        database.setParams(connectionParams(account_));
        database.connect();
    }

    // A single integer from a statement run on a connection of the bench's own.
    qint64 number(const QString& sql) const
    {
        Database database;
        connect(database);
        Transaction transaction(database);
        Query query(transaction);
        query.setSql({sql});
        query.open();
        return query.asInt64(QStringLiteral("N"));
    }

    QString connectionString() const { return QStringLiteral("localhost:") + path_; }

private:
    ServerAccount account_;
    QString path_;
};

// Answers the login once per start, the due-date dialog and the send
// confirmation, and keeps anything else the terminal showed, which ends the run.
class BenchInteraction final : public Interaction {
public:
    void information(const QString& text) override { unexpected_ << text; }
    void error(const QString& text) override { unexpected_ << text; }

    bool confirmation(const QString&, const QString&) override
    {
        confirmedAt = now();
        return true;
    }

    int execModal(QDialog& dialog) override
    {
        if (&dialog == Form_Vhod)
            return logIn(dialog);
        if (&dialog == Form_P2) {
            // The 45-tile screen's modal loop is the whole working time; the
            // bench works the screen itself instead.
            dialog.show();
            return QDialog::Accepted;
        }
        if (&dialog == Form_Date) {
            dialog.setResult(QDialog::Rejected);
            dialog.show();
            Form_Date->BitBtn1->click();
            dialog.hide();
            return dialog.result();
        }
        unexpected_ << QStringLiteral("dialog %1").arg(dialog.objectName());
        return QDialog::Rejected;
    }

    QString openFileName(const QString& filter) override
    {
        unexpected_ << QStringLiteral("file dialog %1").arg(filter);
        return QString();
    }

    // Throws when the terminal showed anything during the step.
    void requireQuiet(const char* step)
    {
        if (unexpected_.isEmpty())
            return;
        const QString shown = unexpected_.join(QStringLiteral("\n  "));
        unexpected_.clear();
        throw TerminalError(QStringLiteral("%1: the terminal showed\n  %2").arg(QLatin1String(step), shown));
    }

    // Time spent in the login dialog, opening the order screen included.
    qint64 loginNs = 0;
    // When the last send confirmation was answered.
    qint64 confirmedAt = -1;
    // Monotonic time when the login dialog was first shown and painted.
    qint64 loginShownAt = -1;

private:
    int logIn(QDialog& dialog)
    {
        const qint64 start = now();
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        QCoreApplication::processEvents();
        if (loginShownAt < 0)
            loginShownAt = monotonicNs();
        Form_Vhod->ELogin->setText(Login);
        Form_Vhod->EPassword->setText(LoginPassword);
        Form_Vhod->BitBtn1->click();
        dialog.hide();
        loginNs += now() - start;
        return dialog.result();
    }

    QStringList unexpected_;
};

// Counts the paint events of one widget, to tell that a new total reached the screen.
class PaintCounter final : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

// Notes when the banner of the connection start is first shown: by then
// every window exists and has run its creation step but the connection's.
class BannerStamp final : public QObject {
public:
    qint64 shownAt = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (shownAt < 0 && event->type() == QEvent::Show && Form_Wait && watched == Form_Wait)
            shownAt = monotonicNs();
        return QObject::eventFilter(watched, event);
    }
};

void sendMouse(QWidget* widget, QEvent::Type type)
{
    const QPointF centre = QRectF(widget->rect()).center();
    QMouseEvent event(type, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void touch(QWidget* widget)
{
    sendMouse(widget, QEvent::MouseButtonPress);
    sendMouse(widget, QEvent::MouseButtonRelease);
}

int tilesPerPage(const OrderScreenControls& screen)
{
    return screen.tileCount() / 9;
}

void showPageOf(OrderScreenControls& screen, int tile)
{
    const int page = (tile - 1) / tilesPerPage(screen);
    if (screen.PageControl1->currentIndex() != page) {
        screen.PageControl1->setCurrentIndex(page);
        QCoreApplication::processEvents();
    }
}

// Tiles that carry a dish, taken a page at a time in turn so that the list
// spreads over all pages.
std::vector<int> dishTilesAcrossPages(const OrderScreenControls& screen)
{
    const int perPage = tilesPerPage(screen);
    std::vector<std::vector<int>> pages(9);
    for (int n = 1; n <= screen.tileCount(); ++n)
        if (Form_Main->TileKod[n] != 0)
            pages[(n - 1) / perPage].push_back(n);
    std::vector<int> tiles;
    for (size_t depth = 0;; ++depth) {
        bool any = false;
        for (const std::vector<int>& page : pages) {
            if (depth < page.size()) {
                tiles.push_back(page[depth]);
                any = true;
            }
        }
        if (!any)
            break;
    }
    if (tiles.empty())
        throw TerminalError(QStringLiteral("No tile carries a dish"));
    return tiles;
}

// An order of the given number of rows: a press on each dish tile in turn,
// then dishes of the goods list appended for the rows the tiles do not cover.
void composeOrder(const std::vector<int>& tiles, int rows)
{
    OrderScreenControls& screen = TForm_Main::screenInUse();
    TForm_Main& main = *Form_Main;
    if (main.TKassa.LiveRowCount() != 0)
        throw TerminalError(QStringLiteral("The previous order is still on screen"));
    for (int i = 0; i < rows && i < int(tiles.size()); ++i)
        touch(screen.tile(tiles[i]).memo);
    const int fromMenu = rows - main.TKassa.LiveRowCount();
    if (fromMenu > 0 && main.TMenu.LiveRowCount() == 0)
        throw TerminalError(QStringLiteral("The goods list is empty"));
    for (int i = 0; i < fromMenu; ++i) {
        const LocalRow dish = main.TMenu.row(i % main.TMenu.LiveRowCount());
        main.TKassa.append();
        main.TKassa.setInteger(QStringLiteral("KOD"), dish.asInteger(QStringLiteral("KOD")));
        main.TKassa.setText(QStringLiteral("NAME"), dish.asText(QStringLiteral("NAME")));
        main.TKassa.setDouble(QStringLiteral("CENA"), dish.asDouble(QStringLiteral("CENA")));
        main.TKassa.setDouble(QStringLiteral("KOLVO"), 1);
        main.TKassa.post();
    }
    if (fromMenu > 0)
        main.ShowOrderTotal(TForm_Main::TotalOn::ScreenInUse);
    if (main.TKassa.LiveRowCount() != rows)
        throw TerminalError(QStringLiteral("The order has %1 rows, not %2").arg(main.TKassa.LiveRowCount()).arg(rows));
}

// What an order sent by the terminal held, for the same statements through isql-fb.
struct SentOrder {
    QString login;
    qint32 menu = 0;
    qint32 person = 0;
    double amount = 0;
    std::vector<std::pair<qint64, double>> lines; // KOD_BLUDO_CALC, KOLVO
};

SentOrder orderOnScreen()
{
    SentOrder order;
    order.login = CurrentLogin;
    order.menu = Form_Base->QSmena.asInt32(QStringLiteral("KOD_MENU"));
    order.person = CurrentPersonKod;
    order.amount = QLocale().toDouble(TForm_Main::screenInUse().Panel999->text());
    const LocalTable& rows = Form_Main->TKassa;
    for (int i = 0; i < rows.LiveRowCount(); ++i)
        order.lines.emplace_back(rows.row(i).asInteger(QStringLiteral("KOD")), rows.row(i).asDouble(QStringLiteral("KOLVO")));
    return order;
}

struct StartFigures {
    double firstStart = 0;
    double medianWindows = 0;
    double medianStart = 0;
    double medianLogin = 0;
    double medianLoader = 0;
};

struct PressFigures {
    double textMedian = 0, textP99 = 0;
    double paintMedian = 0, paintP99 = 0;
};

// Medians from process start, and the highest peak of the runs.
struct ProcessFigures {
    double toMain = 0;
    double toWindows = 0;
    double toLogin = 0;
    double peakMb = 0;
};

struct LayoutFigures {
    ProcessFigures process;
    StartFigures start;
    PressFigures press;
    std::map<int, double> send; // lines → ms
};

class Bench {
public:
    Bench(const ServerAccount& account, const ThrowawayDemo& demo) : account_(account), demo_(demo)
    {
        if (!folder_.isValid())
            throw TerminalError(QStringLiteral("No temporary program folder"));
        const QString dir = folder_.path() + u'/';
        writeWholeFile(dir + QStringLiteral("Net.txt"), "Local\r\n" + demo.connectionString().toLocal8Bit() + "\r\n");
        Keystream keystream;
        writePasswordFile(keystream, dir + QLatin1String(PasswordFileName), encodeText(CodePage::Cp1251, account.password));
        setEnvironment(Environment {dir, Screen, &ui_});
    }

    LayoutFigures measureLayout()
    {
        LayoutFigures figures;
        figures.process = measureProcessStarts();
        figures.start = measureStarts();
        figures.press = measurePresses();
        figures.send = measureSends();
        forms_.reset();
        return figures;
    }

    // Terminal processes started afresh, each with its program folder and
    // lock folder, through the login to a sent order of 100 lines.
    ProcessFigures measureProcessStarts()
    {
        QTemporaryDir lockFolder;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), lockFolder.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        std::vector<double> toMain, toWindows, toLogin, peaks;
        for (int s = 0; s < ProcessStarts; ++s) {
            QProcess terminal;
            terminal.setProcessEnvironment(environment);
            terminal.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            const qint64 begin = monotonicNs();
            terminal.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--terminal"), folder_.path() + u'/'});
            if (!terminal.waitForFinished(120000) || terminal.exitStatus() != QProcess::NormalExit || terminal.exitCode() != 0)
                throw TerminalError(QStringLiteral("The terminal process failed: %1").arg(terminal.errorString()));
            std::map<QByteArray, qint64> stamps;
            for (const QByteArray& line : terminal.readAllStandardOutput().split('\n')) {
                const QList<QByteArray> parts = line.split(' ');
                if (parts.size() == 2)
                    stamps[parts[0]] = parts[1].toLongLong();
            }
            for (const char* key : {"main", "windows", "login", "peak-kb"})
                if (!stamps.count(key))
                    throw TerminalError(QStringLiteral("The terminal process did not report %1").arg(QLatin1String(key)));
            toMain.push_back(ms(stamps["main"] - begin));
            toWindows.push_back(ms(stamps["windows"] - begin));
            toLogin.push_back(ms(stamps["login"] - begin));
            peaks.push_back(double(stamps["peak-kb"]) / 1024);
            ++ordersWritten_;
            linesWritten_ += SessionOrderLines;
        }
        return {median(toMain), median(toWindows), median(toLogin), *std::max_element(peaks.begin(), peaks.end())};
    }

    // Median ms of isql-fb running the same statements as the terminal's
    // sends, by number of lines; key -1 is a run with an empty script.
    std::map<int, double> measureIsql()
    {
        std::map<int, double> figures;
        const QString empty = folder_.path() + QStringLiteral("/empty.sql");
        writeWholeFile(empty, QByteArray());
        figures[-1] = medianOf(SendRuns, [&] { return runIsql(empty); });
        for (const auto& [lines, order] : sentOrders_) {
            const QString script = folder_.path() + QStringLiteral("/order-%1.sql").arg(lines);
            figures[lines] = medianOf(SendRuns, [&] {
                writeWholeFile(script, isqlScript(order).toLatin1());
                ++ordersWritten_;
                linesWritten_ += lines;
                return runIsql(script);
            });
        }
        return figures;
    }

    // Every send of the run is in the database, once.
    void verifyWrites() const
    {
        const qint64 orders = demo_.number(QStringLiteral("SELECT COUNT(*) AS N FROM ZAKAZ"));
        const qint64 lines = demo_.number(QStringLiteral("SELECT COUNT(*) AS N FROM ZAKAZ_STR WHERE CENA > 0"));
        if (orders != ordersWritten_ || lines != linesWritten_)
            throw TerminalError(QStringLiteral("The database holds %1 orders and %2 priced lines; the run sent %3 and %4")
                                    .arg(orders).arg(lines).arg(ordersWritten_).arg(linesWritten_));
        std::printf("Checked: the database holds the %lld orders and %lld priced lines the run sent.\n",
                    static_cast<long long>(orders), static_cast<long long>(lines));
    }

private:
    template <typename Fn>
    static double medianOf(int runs, Fn&& fn)
    {
        std::vector<double> times;
        for (int r = 0; r < runs; ++r)
            times.push_back(fn());
        return median(times);
    }

    StartFigures measureStarts()
    {
        std::vector<double> starts, windows, logins;
        for (int s = 0; s < Starts; ++s) {
            forms_.reset();
            resetProgramState();
            resetProgramEnd();
            ui_.loginNs = 0;
            BannerStamp banner;
            qApp->installEventFilter(&banner);
            const qint64 bannerBegin = monotonicNs();
            const qint64 begin = now();
            forms_ = std::make_unique<Forms>();
            const qint64 total = now() - begin;
            qApp->removeEventFilter(&banner);
            windows.push_back(ms(banner.shownAt - bannerBegin));
            ui_.requireQuiet("start");
            if (CurrentLogin != Login || programEndRequested())
                throw TerminalError(QStringLiteral("The login did not reach the order screen"));
            starts.push_back(ms(total - ui_.loginNs));
            logins.push_back(ms(ui_.loginNs));
            QCoreApplication::processEvents();
        }
        StartFigures figures;
        figures.firstStart = starts.front();
        figures.medianWindows = median(windows);
        figures.medianStart = median(starts);
        figures.medianLogin = median(logins);

        std::vector<double> loads;
        for (int r = 0; r < LoaderRuns; ++r) {
            const qint64 begin = now();
            UseFormP2 ? Form_Main->LoadP2Tiles() : Form_Main->LoadMainTiles();
            loads.push_back(ms(now() - begin));
            QCoreApplication::processEvents();
        }
        ui_.requireQuiet("tile loader");
        figures.medianLoader = median(loads);
        return figures;
    }

    // From the mouse-down on a tile's name to the total panel holding the
    // new sum, and to the window painted with it.
    PressFigures measurePresses()
    {
        OrderScreenControls& screen = TForm_Main::screenInUse();
        const std::vector<int> allTiles = dishTilesAcrossPages(screen);
        const std::vector<int> tiles(allTiles.begin(), allTiles.begin() + std::min<size_t>(OrderRows, allTiles.size()));
        composeOrder(tiles, OrderRows);
        QCoreApplication::processEvents();

        QLabel* total = screen.Panel999;
        PaintCounter paints;
        total->installEventFilter(&paints);
        std::vector<double> toText, toPaint;
        for (int p = 0; p < Presses; ++p) {
            const int n = tiles[p % tiles.size()];
            showPageOf(screen, n);
            QWidget* memo = screen.tile(n).memo;
            const QString before = total->text();
            const int paintsBefore = paints.count;
            const qint64 begin = now();
            sendMouse(memo, QEvent::MouseButtonPress);
            const qint64 shown = now();
            QCoreApplication::processEvents();
            const qint64 painted = now();
            if (total->text() == before || paints.count == paintsBefore)
                throw TerminalError(QStringLiteral("Press %1 on tile %2 left the total at %3").arg(p).arg(n).arg(before));
            sendMouse(memo, QEvent::MouseButtonRelease);
            QCoreApplication::processEvents();
            toText.push_back(ms(shown - begin));
            toPaint.push_back(ms(painted - begin));
        }
        total->removeEventFilter(&paints);
        ui_.requireQuiet("tile presses");
        screen.BtnCancel->click();
        return {median(toText), percentile99(toText), median(toPaint), percentile99(toPaint)};
    }

    // From the answered confirmation to the screen cleared for the next order.
    double send()
    {
        QPushButton* button = TForm_Main::screenInUse().BtnKassa;
        ui_.confirmedAt = -1;
        touch(button);
        const qint64 end = now();
        ui_.requireQuiet("send");
        if (ui_.confirmedAt < 0 || Form_Main->TKassa.LiveRowCount() != 0)
            throw TerminalError(QStringLiteral("The order was not sent"));
        QCoreApplication::processEvents();
        return ms(end - ui_.confirmedAt);
    }

    std::map<int, double> measureSends()
    {
        const std::vector<int> tiles = dishTilesAcrossPages(TForm_Main::screenInUse());
        std::map<int, double> figures;
        // The first send of a connection pays for the server's caches.
        composeOrder(tiles, 1);
        send();
        ++ordersWritten_;
        linesWritten_ += 1;
        for (const int lines : SendLines) {
            figures[lines] = medianOf(SendRuns, [&] {
                composeOrder(tiles, lines);
                sentOrders_[lines] = orderOnScreen();
                const double time = send();
                ++ordersWritten_;
                linesWritten_ += lines;
                return time;
            });
        }
        return figures;
    }

    static QString literal(double value) { return QString::number(value, 'g', 17); }

    // The terminal's statements with literal values: the shift check, each
    // key drawn from MY_GEN before its row, and one commit. Nobody else
    // draws keys meanwhile, so the values the draws return are known.
    QString isqlScript(const SentOrder& order) const
    {
        qint64 key = demo_.number(QStringLiteral("SELECT GEN_ID(MY_GEN, 0) AS N FROM RDB$DATABASE"));
        const QString drawKey = QStringLiteral("SELECT GEN_ID(MY_GEN, 1) FROM RDB$DATABASE;\n");
        const qint64 orderKey = ++key;
        QString script = QStringLiteral("SELECT KOD FROM SMENA WHERE STATUS < 10;\n") + drawKey;
        script += QStringLiteral("INSERT INTO ZAKAZ (INFO_ZAKAZ, KOD, KOD_SMENA, KOD_MENU, KOD_KLIENT, STATUS, DATE_OPEN, TIME_OPEN, "
                                 "SUMMA, NEW_SUMMA, PERCENT_NACENKA, NAME_NACENKA, MY_INFO, KOD_PERSON)\n"
                                 "VALUES ('%1', %2, 1, %3, %4, 1, '%5', '%6', %7, %7, 0, '', '', %4);\n")
                      .arg(order.login)
                      .arg(orderKey)
                      .arg(order.menu)
                      .arg(order.person)
                      .arg(QDate::currentDate().toString(Qt::ISODate), QTime::currentTime().toString(QStringLiteral("hh:mm:ss")),
                           literal(order.amount));
        for (const auto& [dish, quantity] : order.lines) {
            const qint64 lineKey = ++key;
            script += drawKey;
            script += QStringLiteral("INSERT INTO ZAKAZ_STR (KOD, KOD_ZAKAZ, KOD_BLUDO_CALC, KOLVO) VALUES (%1, %2, %3, %4);\n")
                          .arg(lineKey)
                          .arg(orderKey)
                          .arg(dish)
                          .arg(literal(quantity));
            script += QStringLiteral("EXECUTE PROCEDURE ADD_ZAKAZ_STR %1;\n").arg(lineKey);
        }
        return script + QStringLiteral("COMMIT;\n");
    }

    // The whole isql-fb process: start, connect, the script, exit.
    double runIsql(const QString& script) const
    {
        const qint64 begin = now();
        runProgram(QStringLiteral("isql-fb"),
                   {QStringLiteral("-q"), QStringLiteral("-b"), QStringLiteral("-ch"), QStringLiteral("WIN1251"),
                    QStringLiteral("-user"), account_.user, QStringLiteral("-password"), account_.password,
                    demo_.connectionString(), QStringLiteral("-i"), script});
        return ms(now() - begin);
    }

    const ServerAccount& account_;
    const ThrowawayDemo& demo_;
    QTemporaryDir folder_;
    BenchInteraction ui_;
    std::unique_ptr<Forms> forms_;
    std::map<int, SentOrder> sentOrders_;
    qint64 ordersWritten_ = 0;
    qint64 linesWritten_ = 0;
};

const char* verdict(bool met)
{
    return met ? "met" : "MISSED";
}

void printFigures(const LayoutFigures& l24, const LayoutFigures& l45, const std::map<int, double>& isql)
{
    std::printf("\nOrder terminal, screen %dx%d, Qt %s offscreen, Firebird on localhost\n", Screen.width(), Screen.height(),
                qVersion());
    const auto row = [](const char* name, double a, double b) { std::printf("  %-56s %10.2f %10.2f\n", name, a, b); };
    std::printf("\n%-58s %10s %10s\n", "Terminal process, menu of 5000 dishes (ms, median of 5)", "24 tiles", "45 tiles");
    row("process start to main()", l24.process.toMain, l45.process.toMain);
    row("process start to the windows created (banner shown)", l24.process.toWindows, l45.process.toWindows);
    row("process start to the login dialog shown", l24.process.toLogin, l45.process.toLogin);
    row("peak memory (MB) through a sent 100-line order", l24.process.peakMb, l45.process.peakMb);
    std::printf("  target: login dialog under 500 ms: %s / %s; peak memory under 150 MB: %s / %s\n",
                verdict(l24.process.toLogin < 500), verdict(l45.process.toLogin < 500), verdict(l24.process.peakMb < 150),
                verdict(l45.process.peakMb < 150));

    std::printf("\n%-58s %10s %10s\n", "Start inside one process (ms)", "24 tiles", "45 tiles");
    row("window creation (to the banner shown), median of 5", l24.start.medianWindows, l45.start.medianWindows);
    row("windows + connection start + loader, first start", l24.start.firstStart, l45.start.firstStart);
    row("windows + connection start + loader, median of 5", l24.start.medianStart, l45.start.medianStart);
    row("tile loader alone, median of 20", l24.start.medianLoader, l45.start.medianLoader);
    row("login, order screen shown (not in the above), median", l24.start.medianLogin, l45.start.medianLogin);

    std::printf("\n%-58s %10s %10s\n", "Tile press on a 30-row order, 1000 presses (ms)", "24 tiles", "45 tiles");
    row("mouse-down to the new total in the panel, median", l24.press.textMedian, l45.press.textMedian);
    row("mouse-down to the new total in the panel, 99th pct", l24.press.textP99, l45.press.textP99);
    row("mouse-down to the window painted with it, median", l24.press.paintMedian, l45.press.paintMedian);
    row("mouse-down to the window painted with it, 99th pct", l24.press.paintP99, l45.press.paintP99);
    std::printf("  target: median under 2 ms (painted): %s / %s\n", verdict(l24.press.paintMedian < 2),
                verdict(l45.press.paintMedian < 2));

    std::printf("\nSending an order, median of %d (ms): terminal from the confirmation to the cleared screen;\n"
                "isql-fb: the whole process running the same statements in one transaction\n",
                SendRuns);
    std::printf("  %-10s %12s %12s %14s\n", "lines", "terminal 24", "terminal 45", "isql-fb");
    for (const int lines : SendLines)
        std::printf("  %-10d %12.2f %12.2f %14.2f\n", lines, l24.send.at(lines), l45.send.at(lines), isql.at(lines));
    std::printf("  %-10s %12s %12s %14.2f\n", "none", "", "", isql.at(-1));
    std::printf("  (isql-fb with an empty script: start, connect and exit)\n");
    for (const int lines : SendLines)
        std::printf("  target: %3d lines within 1.5 times isql-fb: %s / %s\n", lines,
                    verdict(l24.send.at(lines) <= 1.5 * isql.at(lines)), verdict(l45.send.at(lines) <= 1.5 * isql.at(lines)));
    std::printf("\n");
}

int run(int& argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    runClock.start();

    const ServerAccount account = readServerAccount();
    std::fprintf(stderr, "Creating the demo database...\n");
    ThrowawayDemo demo(account);
    demo.growMenu(MenuDishes);
    Bench bench(account, demo);

    std::fprintf(stderr, "24-tile layout...\n");
    const LayoutFigures l24 = bench.measureLayout();
    demo.setLayout(45);
    std::fprintf(stderr, "45-tile layout...\n");
    const LayoutFigures l45 = bench.measureLayout();
    std::fprintf(stderr, "isql-fb...\n");
    const std::map<int, double> isql = bench.measureIsql();

    printFigures(l24, l45, isql);
    bench.verifyWrites();
    return 0;
}

// One terminal process as main() runs it, answering the login and then
// sending a 100-line order; it prints monotonic stamps and its peak memory.
int runTerminal(int& argc, char** argv, const QString& programDir)
{
    const qint64 atMain = monotonicNs();
    runClock.start();
    SingleInstanceGuard guard;
    if (!guard.isFirst())
        throw TerminalError(QStringLiteral("Another terminal holds the lock"));
    Application application(argc, argv);
    BenchInteraction ui;
    setEnvironment(Environment {programDir, Screen, &ui});
    BannerStamp banner;
    application.installEventFilter(&banner);
    Forms forms;
    application.removeEventFilter(&banner);
    ui.requireQuiet("start");
    if (CurrentLogin != Login || programEndRequested())
        throw TerminalError(QStringLiteral("The login did not reach the order screen"));

    composeOrder(dishTilesAcrossPages(TForm_Main::screenInUse()), SessionOrderLines);
    touch(TForm_Main::screenInUse().BtnKassa);
    ui.requireQuiet("send");
    if (Form_Main->TKassa.LiveRowCount() != 0)
        throw TerminalError(QStringLiteral("The order was not sent"));
    std::printf("main %lld\nwindows %lld\nlogin %lld\npeak-kb %lld\n", static_cast<long long>(atMain),
                static_cast<long long>(banner.shownAt), static_cast<long long>(ui.loginShownAt),
                static_cast<long long>(peakMemoryMb() * 1024));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 3 && std::string_view(argv[1]) == "--terminal")
            return runTerminal(argc, argv, QString::fromLocal8Bit(argv[2]));
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "order-terminal-bench: %s\n", e.what());
        return 1;
    }
}
