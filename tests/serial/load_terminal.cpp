// One terminal of the load test: the real terminal in this process on the
// offscreen platform, started as main() starts it but with its own program
// folder, logged in through its login dialog, sending orders composed by
// tile presses, each with a note of its own typed into the note dialog.
//
//   load-terminal FOLDER LOGIN PASSWORD ORDERS SEED NAME RESULT
//
// RESULT gets one line per order sent:
//   note <TAB> send latency in ms <TAB> dish x quantity, space separated
// The latency runs from the send confirmation answered to the order screen
// cleared. Anything the terminal shows besides the login, the note, the
// due-date dialog and the confirmations ends the run with exit status 1.
#include "order/tform_main.h"
#include "send/tform_date.h"
#include "send/tform_info.h"
#include "startup/application.h"
#include "startup/environment.h"
#include "startup/forms.h"
#include "startup/interaction.h"
#include "startup/program_state.h"
#include "startup/single_instance.h"
#include "startup/terminal_error.h"
#include "startup/tform_vhod.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <random>
#include <utility>
#include <vector>

namespace {

constexpr int MaxLines = 20;
constexpr int MaxPortions = 3;

const QString SendTitle = QStringLiteral("Отправка заказа");
const QString ExitTitle = QStringLiteral("Выход из программы");

struct Options {
    QString folder;
    QString login;
    QString password;
    int orders = 0;
    unsigned seed = 0;
    QString name;
    QString result;
};

struct Line {
    qint64 dish = 0;
    int quantity = 0;
};

struct SentOrder {
    QString note;
    double latencyMs = 0;
    std::vector<Line> lines;
};

QElapsedTimer runClock;

// Answers what a working shift brings up and keeps everything else, which
// ends the run.
class LoadInteraction final : public Interaction {
public:
    LoadInteraction(QString login, QString password) : login_(std::move(login)), password_(std::move(password)) {}

    void information(const QString& text) override { unexpected_ << QStringLiteral("information: ") + text; }
    void error(const QString& text) override { unexpected_ << QStringLiteral("error: ") + text; }

    bool confirmation(const QString& title, const QString& text) override
    {
        if (title == SendTitle) {
            confirmedAt = runClock.nsecsElapsed();
            return true;
        }
        if (title == ExitTitle && exiting)
            return true;
        unexpected_ << QStringLiteral("confirmation %1: %2").arg(title, text);
        return false;
    }

    int execModal(QDialog& dialog) override
    {
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        if (&dialog == Form_Vhod) {
            Form_Vhod->ELogin->clear();
            QTest::keyClicks(Form_Vhod->ELogin, login_);
            Form_Vhod->EPassword->clear();
            QTest::keyClicks(Form_Vhod->EPassword, password_);
            QTest::mouseClick(Form_Vhod->BitBtn1, Qt::LeftButton);
        } else if (&dialog == Form_Info && !note.isEmpty()) {
            Form_Info->Memo1->clear();
            QTest::keyClicks(Form_Info->Memo1, note);
            QTest::mouseClick(Form_Info->BitBtn1, Qt::LeftButton);
        } else if (&dialog == Form_Date) {
            QTest::mouseClick(Form_Date->BitBtn1, Qt::LeftButton);
        } else {
            unexpected_ << QStringLiteral("dialog ") + dialog.objectName();
        }
        dialog.hide();
        return dialog.result();
    }

    QString openFileName(const QString& filter) override
    {
        unexpected_ << QStringLiteral("file dialog ") + filter;
        return QString();
    }

    // Throws when the terminal showed anything unexpected during the step.
    void requireQuiet(const QString& step)
    {
        if (unexpected_.isEmpty())
            return;
        const QString shown = unexpected_.join(QStringLiteral("\n  "));
        unexpected_.clear();
        throw TerminalError(QStringLiteral("%1: the terminal showed\n  %2").arg(step, shown));
    }

    // The note the next note dialog gets typed into it.
    QString note;
    // Set before the exit button is pressed, to answer its confirmation.
    bool exiting = false;
    // When the last send confirmation was answered; -1 before.
    qint64 confirmedAt = -1;

private:
    QString login_;
    QString password_;
    QStringList unexpected_;
};

Options parseOptions(int argc, char** argv)
{
    if (argc != 8)
        throw TerminalError(QStringLiteral("usage: load-terminal FOLDER LOGIN PASSWORD ORDERS SEED NAME RESULT"));
    Options options;
    options.folder = QString::fromLocal8Bit(argv[1]);
    options.login = QString::fromLocal8Bit(argv[2]);
    options.password = QString::fromLocal8Bit(argv[3]);
    bool ordersOk = false, seedOk = false;
    options.orders = QByteArray(argv[4]).toInt(&ordersOk);
    options.seed = QByteArray(argv[5]).toUInt(&seedOk);
    options.name = QString::fromLocal8Bit(argv[6]);
    options.result = QString::fromLocal8Bit(argv[7]);
    if (!ordersOk || options.orders < 0 || !seedOk)
        throw TerminalError(QStringLiteral("ORDERS and SEED must be whole numbers"));
    return options;
}

// The tiles of the order screen that carry a dish.
std::vector<int> dishTiles()
{
    std::vector<int> tiles;
    const OrderScreenControls& screen = TForm_Main::screenInUse();
    for (int n = 1; n <= screen.tileCount(); ++n)
        if (Form_Main->TileKod[n] != 0)
            tiles.push_back(n);
    if (tiles.empty())
        throw TerminalError(QStringLiteral("No tile carries a dish"));
    return tiles;
}

// A touch on the page's tab, then on the tile's name.
void pressTile(int n)
{
    OrderScreenControls& screen = TForm_Main::screenInUse();
    const int page = (n - 1) / (screen.tileCount() / 9);
    if (screen.PageControl1->currentIndex() != page) {
        QTabBar* tabs = screen.PageControl1->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(page).center());
        if (screen.PageControl1->currentIndex() != page)
            throw TerminalError(QStringLiteral("A touch on tab %1 did not open it").arg(page + 1));
    }
    QTest::mouseClick(screen.tile(n).memo, Qt::LeftButton);
}

std::vector<Line> rowsOnScreen()
{
    std::vector<Line> lines;
    const LocalTable& rows = Form_Main->TKassa;
    for (int i = 0; i < rows.LiveRowCount(); ++i)
        lines.push_back({rows.row(i).asInteger(QStringLiteral("KOD")), static_cast<int>(rows.row(i).asDouble(QStringLiteral("KOLVO")))});
    return lines;
}

QString describe(const std::vector<Line>& lines)
{
    QStringList parts;
    for (const Line& line : lines)
        parts << QStringLiteral("%1x%2").arg(line.dish).arg(line.quantity);
    return parts.join(u' ');
}

class Terminal {
public:
    Terminal(const Options& options, LoadInteraction& ui) : options_(options), ui_(ui), random_(options.seed) {}

    // Composes and sends every order, then leaves through the exit button.
    void run()
    {
        const std::vector<int> tiles = dishTiles();
        for (int k = 1; k <= options_.orders; ++k)
            sent_.push_back(sendOrder(tiles, QStringLiteral("%1-o%2").arg(options_.name).arg(k)));
        ui_.exiting = true;
        QTest::mouseClick(TForm_Main::screenInUse().Btn_Exit, Qt::LeftButton);
        ui_.requireQuiet(QStringLiteral("exit"));
        if (!programEndRequested())
            throw TerminalError(QStringLiteral("The exit button did not end the program"));
    }

    void writeResult() const
    {
        QFile file(options_.result);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw TerminalError(QStringLiteral("Cannot write %1").arg(options_.result));
        for (const SentOrder& order : sent_)
            file.write(QStringLiteral("%1\t%2\t%3\n").arg(order.note).arg(order.latencyMs, 0, 'f', 3).arg(describe(order.lines)).toUtf8());
        if (!file.flush())
            throw TerminalError(QStringLiteral("Cannot write %1").arg(options_.result));
    }

private:
    // Distinct dishes, each pressed as many times as its portions, the
    // presses of different dishes interleaved.
    std::vector<int> composition(const std::vector<int>& tiles)
    {
        std::vector<int> chosen = tiles;
        std::shuffle(chosen.begin(), chosen.end(), random_);
        const int lines = std::uniform_int_distribution<int>(1, std::min<int>(MaxLines, int(chosen.size())))(random_);
        std::vector<int> presses;
        std::uniform_int_distribution<int> portions(1, MaxPortions);
        for (int i = 0; i < lines; ++i)
            presses.insert(presses.end(), portions(random_), chosen[i]);
        std::shuffle(presses.begin(), presses.end(), random_);
        return presses;
    }

    SentOrder sendOrder(const std::vector<int>& tiles, const QString& note)
    {
        std::vector<Line> expected;
        for (const int tile : composition(tiles)) {
            pressTile(tile);
            const qint64 dish = Form_Main->TileKod[tile];
            const auto found = std::find_if(expected.begin(), expected.end(), [&](const Line& l) { return l.dish == dish; });
            if (found == expected.end())
                expected.push_back({dish, 1});
            else
                ++found->quantity;
        }
        ui_.requireQuiet(note + QStringLiteral(" tile presses"));
        if (describe(rowsOnScreen()) != describe(expected))
            throw TerminalError(QStringLiteral("%1: the screen holds %2 after the presses for %3")
                                    .arg(note, describe(rowsOnScreen()), describe(expected)));

        OrderScreenControls& screen = TForm_Main::screenInUse();
        ui_.note = note;
        QTest::mouseClick(screen.BtnInfo, Qt::LeftButton);
        ui_.note.clear();
        ui_.requireQuiet(note + QStringLiteral(" note"));
        if (Form_Info->Memo1->toPlainText() != note)
            throw TerminalError(QStringLiteral("%1: the note dialog kept '%2'").arg(note, Form_Info->Memo1->toPlainText()));

        ui_.confirmedAt = -1;
        QTest::mouseClick(screen.BtnKassa, Qt::LeftButton);
        const qint64 cleared = runClock.nsecsElapsed();
        ui_.requireQuiet(note + QStringLiteral(" send"));
        if (ui_.confirmedAt < 0 || Form_Main->TKassa.LiveRowCount() != 0 || OrderOpen)
            throw TerminalError(QStringLiteral("%1: the order was not sent").arg(note));
        return {note, static_cast<double>(cleared - ui_.confirmedAt) / 1e6, expected};
    }

    const Options& options_;
    LoadInteraction& ui_;
    std::mt19937 random_;
    std::vector<SentOrder> sent_;
};

int run(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);

    SingleInstanceGuard guard;
    if (!guard.isFirst())
        throw TerminalError(QStringLiteral("Another terminal holds %1").arg(SingleInstanceGuard::defaultLockPath()));

    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    runClock.start();
    LoadInteraction ui(options.login, options.password);
    // The primary screen and the message seam as main() has them; the
    // folder is this terminal's own instead of the executable's.
    Environment surroundings = productionEnvironment(ui);
    surroundings.programDir = options.folder;
    setEnvironment(surroundings);

    Forms forms;
    ui.requireQuiet(QStringLiteral("start"));
    if (programEndRequested() || CurrentLogin != options.login)
        throw TerminalError(QStringLiteral("The login did not reach the order screen"));

    Terminal terminal(options, ui);
    QString failure;
    QTimer::singleShot(0, &app, [&] {
        try {
            terminal.run();
        } catch (const std::exception& e) {
            failure = errorText(e);
            QCoreApplication::exit(1);
        }
    });
    app.exec();
    terminal.writeResult();
    if (!failure.isEmpty())
        throw TerminalError(failure);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "load-terminal %s: %s\n", argc > 6 ? argv[6] : "", qPrintable(errorText(e)));
        return 1;
    }
}
