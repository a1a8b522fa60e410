// Many terminals sending at once into one database: each a process of its
// own (load-terminal) with its own program folder and runtime folder, all
// started together; afterwards every order each reports sent must be in the
// database once, whole, and nothing else may be. Prints the throughput and
// the send latencies. LOAD_TERMINALS and LOAD_ORDERS raise the default of
// 10 terminals x 100 orders for a heavier run.
#include "db/query.h"
#include "db/transaction.h"
#include "startup/codepages.h"
#include "startup/file_io.h"
#include "startup/keystream.h"
#include "startup/password_file.h"
#include "support/qt_printers.h"
#include "support/test_database.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace {

constexpr int DefaultTerminals = 10;
constexpr int DefaultOrders = 100;
constexpr int Staff = 10;
constexpr int Sections = 9;
constexpr int TilesPerSection = 24;
constexpr int DishesPerSection = 5;
constexpr qint64 FirstDish = 2001;
constexpr qint64 FirstPerson = 501;

int setting(const char* name, int fallback)
{
    const int value = qEnvironmentVariableIntValue(name);
    return value > 0 ? value : fallback;
}

double dishPrice(qint64 dish)
{
    return 10.25 + 1.5 * static_cast<double>(dish - FirstDish);
}

QString login(int person) { return QStringLiteral("staff%1").arg(person + 1); }
QString password(int person) { return QString::number(1001 + person); }

// An open shift on menu 1 with 45 dishes on the 24-tile layout, five at
// the head of each section's page; ten staff logins. ZAKAZ_STR counts in
// PRICINGS how often each line was updated, which only ADD_ZAKAZ_STR does.
void seed(TestDatabase& database)
{
    QString script = QStringLiteral(
        "INSERT INTO SPISOK_MENU (KOD, NAME) VALUES (1, 'Menu');"
        "INSERT INTO SMENA (KOD, KOD_MENU, STATUS) VALUES (10, 1, 0);"
        "INSERT INTO MY_PARAM (KOD, NAME_PARAM) VALUES (3000, 'ff2');"
        "ALTER TABLE ZAKAZ_STR ADD PRICINGS INTEGER DEFAULT 0 NOT NULL;"
        "SET TERM ^ ;"
        "CREATE TRIGGER ZAKAZ_STR_PRICINGS FOR ZAKAZ_STR BEFORE UPDATE AS "
        "BEGIN NEW.PRICINGS = OLD.PRICINGS + 1; END^"
        "SET TERM ; ^");
    qint64 param = 3001;
    for (int s = 0; s < Sections; ++s) {
        script += QStringLiteral("INSERT INTO MY_PARAM (KOD, NAME_PARAM, STRING_PARAM) VALUES (%1, '2akladka%2', 'Section %2');")
                      .arg(param++)
                      .arg(s + 1);
        for (int d = 0; d < DishesPerSection; ++d) {
            const qint64 dish = FirstDish + s * DishesPerSection + d;
            script += QStringLiteral("INSERT INTO MENU_STR (KOD_MENU, KOD_BLUDO_CALC_PROGRAM, NAME, CENA) VALUES (1, %1, 'Dish %1', %2);")
                          .arg(dish)
                          .arg(dishPrice(dish), 0, 'f', 2);
            const int tile = s * TilesPerSection + d + 1;
            script += QStringLiteral("INSERT INTO MY_PARAM (KOD, NAME_PARAM, INTEGER_PARAM, STRING_PARAM) VALUES (%1, '2anel%2', %2, '%3');")
                          .arg(param++)
                          .arg(tile)
                          .arg(dish);
        }
    }
    for (int p = 0; p < Staff; ++p)
        script += QStringLiteral("INSERT INTO PERSON (KOD, FIO, LOGIN, PASSW, STATUS_PERSON) VALUES (%1, 'Staff %2', '%3', '%4', 0);")
                      .arg(FirstPerson + p)
                      .arg(p + 1)
                      .arg(login(p), password(p));
    database.run(script);
}

// What a terminal reported sending.
struct ReportedOrder {
    QString note;
    double latencyMs = 0;
    std::multiset<std::pair<qint64, double>> lines; // dish, quantity
};

std::vector<ReportedOrder> readReport(const QString& path, QStringList& problems)
{
    std::vector<ReportedOrder> orders;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problems << QStringLiteral("no result file %1").arg(path);
        return orders;
    }
    for (const QByteArray& raw : file.readAll().split('\n')) {
        if (raw.isEmpty())
            continue;
        const QStringList fields = QString::fromUtf8(raw).split(u'\t');
        ReportedOrder order;
        order.note = fields.value(0);
        order.latencyMs = fields.value(1).toDouble();
        for (const QString& line : fields.value(2).split(u' ', Qt::SkipEmptyParts))
            order.lines.emplace(line.section(u'x', 0, 0).toLongLong(), line.section(u'x', 1, 1).toDouble());
        if (fields.size() != 3 || order.lines.empty())
            problems << QStringLiteral("malformed result line in %1: %2").arg(path, QString::fromUtf8(raw));
        orders.push_back(order);
    }
    return orders;
}

struct StoredLine {
    qint64 key = 0;
    qint64 dish = 0;
    double quantity = 0;
    double price = 0;
    int pricings = 0;
};

struct StoredOrder {
    qint64 key = 0;
    QString login;
    qint64 person = 0;
    qint64 client = 0;
    qint64 menu = 0;
    int status = 0;
    double sum = 0;
    double kassa = 0;
    std::vector<StoredLine> lines;
};

// Every order and line in the database, by note.
std::multimap<QString, StoredOrder> storedOrders(const TestDatabase& database, int& lineCount)
{
    Database connection;
    database.connect(connection);
    Transaction transaction(connection, {QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")});
    std::map<qint64, StoredOrder> byKey;
    std::map<qint64, QString> notes;
    Query orders(transaction);
    orders.setSql({QStringLiteral("SELECT KOD, MY_INFO, INFO_ZAKAZ, KOD_PERSON, KOD_KLIENT, KOD_MENU, STATUS, SUMMA, KASSA FROM ZAKAZ")});
    for (orders.open(); !orders.eof(); orders.next()) {
        StoredOrder& order = byKey[orders.asInt64(QStringLiteral("KOD"))];
        order.key = orders.asInt64(QStringLiteral("KOD"));
        order.login = orders.asString(QStringLiteral("INFO_ZAKAZ"));
        order.person = orders.asInt64(QStringLiteral("KOD_PERSON"));
        order.client = orders.asInt64(QStringLiteral("KOD_KLIENT"));
        order.menu = orders.asInt64(QStringLiteral("KOD_MENU"));
        order.status = orders.asInt32(QStringLiteral("STATUS"));
        order.sum = orders.asDouble(QStringLiteral("SUMMA"));
        order.kassa = orders.asDouble(QStringLiteral("KASSA"));
        notes[order.key] = orders.asString(QStringLiteral("MY_INFO"));
    }
    lineCount = 0;
    Query lines(transaction);
    lines.setSql({QStringLiteral("SELECT KOD, KOD_ZAKAZ, KOD_BLUDO_CALC, KOLVO, CENA, PRICINGS FROM ZAKAZ_STR")});
    for (lines.open(); !lines.eof(); lines.next()) {
        ++lineCount;
        byKey[lines.asInt64(QStringLiteral("KOD_ZAKAZ"))].lines.push_back(
            {lines.asInt64(QStringLiteral("KOD")), lines.asInt64(QStringLiteral("KOD_BLUDO_CALC")), lines.asDouble(QStringLiteral("KOLVO")),
             lines.isNull(QStringLiteral("CENA")) ? -1 : lines.asDouble(QStringLiteral("CENA")), lines.asInt32(QStringLiteral("PRICINGS"))});
    }
    std::multimap<QString, StoredOrder> byNote;
    for (auto& [key, order] : byKey)
        byNote.emplace(notes[key], std::move(order));
    return byNote;
}

QString describe(const std::multiset<std::pair<qint64, double>>& lines)
{
    QStringList parts;
    for (const auto& [dish, quantity] : lines)
        parts << QStringLiteral("%1x%2").arg(dish).arg(quantity);
    return parts.join(u' ');
}

bool near(double a, double b)
{
    return std::fabs(a - b) < 0.005;
}

// The problems of one reported order against what the database holds.
void checkOrder(const ReportedOrder& reported, int person, const std::multimap<QString, StoredOrder>& stored, QStringList& problems)
{
    const auto [first, last] = stored.equal_range(reported.note);
    const auto copies = std::distance(first, last);
    if (copies != 1) {
        problems << QStringLiteral("%1 is in the database %2 times").arg(reported.note).arg(copies);
        return;
    }
    const StoredOrder& order = first->second;
    if (order.login != login(person) || order.person != FirstPerson + person || order.client != FirstPerson + person)
        problems << QStringLiteral("%1 is written for %2 (person %3, client %4), not %5")
                        .arg(reported.note, order.login)
                        .arg(order.person)
                        .arg(order.client)
                        .arg(login(person));
    if (order.menu != 1 || order.status != 1)
        problems << QStringLiteral("%1 has menu %2 and status %3").arg(reported.note).arg(order.menu).arg(order.status);

    std::multiset<std::pair<qint64, double>> lines;
    double expectedSum = 0;
    for (const StoredLine& line : order.lines) {
        lines.emplace(line.dish, line.quantity);
        expectedSum += line.quantity * dishPrice(line.dish);
        if (line.pricings != 1 || !near(line.price, dishPrice(line.dish)))
            problems << QStringLiteral("%1: line %2 priced %3 times, at %4")
                            .arg(reported.note)
                            .arg(line.key)
                            .arg(line.pricings)
                            .arg(line.price);
    }
    if (lines != reported.lines)
        problems << QStringLiteral("%1 holds %2 in the database, not %3").arg(reported.note, describe(lines), describe(reported.lines));
    if (!near(order.sum, expectedSum) || !near(order.kassa, expectedSum))
        problems << QStringLiteral("%1 sums to %2 (lines %3), not %4").arg(reported.note).arg(order.sum).arg(order.kassa).arg(expectedSum);
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<size_t>(std::ceil(fraction * static_cast<double>(values.size())));
    return values[std::max<size_t>(rank, 1) - 1];
}

QString tail(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(file.readAll().right(4000));
}

} // namespace

TEST(Load, TerminalsSendingAtOnceWriteEveryOrderOnceAndWhole)
{
    const int terminals = setting("LOAD_TERMINALS", DefaultTerminals);
    const int ordersEach = setting("LOAD_ORDERS", DefaultOrders);
    const int timeoutSeconds = std::max(600, terminals * ordersEach / 2);

    TestDatabase database;
    seed(database);

    // Each terminal stands for a machine: a program folder with its settings
    // and local tables, and a runtime folder for its single-instance lock.
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    Keystream keystream;
    const QByteArray serverPassword = encodeText(CodePage::Cp1251, serverAccount().password);
    std::vector<std::unique_ptr<QProcess>> processes;
    std::vector<qint64> finishedAt(terminals, -1);
    int finished = 0;
    QEventLoop loop;
    QElapsedTimer wall;
    for (int t = 0; t < terminals; ++t) {
        const QString dir = root.filePath(QStringLiteral("t%1").arg(t + 1));
        const QString program = dir + QStringLiteral("/program/");
        const QString runtime = dir + QStringLiteral("/runtime");
        ASSERT_TRUE(QDir().mkpath(program) && QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        writeWholeFile(program + QStringLiteral("Net.txt"), "Local\r\n" + database.connectionString().toLocal8Bit() + "\r\n");
        writePasswordFile(keystream, program + QLatin1String(PasswordFileName), serverPassword);

        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->setStandardOutputFile(dir + QStringLiteral("/log.txt"));
        process->setProgram(QStringLiteral(LOAD_TERMINAL_BINARY));
        process->setArguments({program, login(t % Staff), password(t % Staff), QString::number(ordersEach), QString::number(1000 + t),
                               QStringLiteral("t%1").arg(t + 1), dir + QStringLiteral("/result.txt")});
        QObject::connect(process.get(), &QProcess::finished, &loop, [&, t] {
            finishedAt[t] = wall.nsecsElapsed();
            if (++finished == terminals)
                loop.quit();
        });
        QObject::connect(process.get(), &QProcess::errorOccurred, &loop, [&, t](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart && ++finished == terminals)
                loop.quit();
        });
        processes.push_back(std::move(process));
    }

    wall.start();
    for (const auto& process : processes)
        process->start();
    QTimer::singleShot(std::chrono::seconds(timeoutSeconds), &loop, &QEventLoop::quit);
    if (finished < terminals)
        loop.exec();

    QStringList problems;
    std::vector<std::vector<ReportedOrder>> reports;
    for (int t = 0; t < terminals; ++t) {
        QProcess& process = *processes[t];
        const QString dir = root.filePath(QStringLiteral("t%1").arg(t + 1));
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
            problems << QStringLiteral("t%1 did not finish within %2 s:\n%3").arg(t + 1).arg(timeoutSeconds).arg(tail(dir + QStringLiteral("/log.txt")));
        } else if (process.error() == QProcess::FailedToStart || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            problems << QStringLiteral("t%1 ended with status %2 (%3):\n%4")
                            .arg(t + 1)
                            .arg(process.exitCode())
                            .arg(process.errorString(), tail(dir + QStringLiteral("/log.txt")));
        }
        reports.push_back(readReport(dir + QStringLiteral("/result.txt"), problems));
        if (int(reports.back().size()) != ordersEach)
            problems << QStringLiteral("t%1 reports %2 orders sent of %3").arg(t + 1).arg(reports.back().size()).arg(ordersEach);
    }

    int storedLines = 0;
    const std::multimap<QString, StoredOrder> stored = storedOrders(database, storedLines);
    int reportedOrders = 0, reportedLines = 0;
    std::vector<double> latencies;
    for (int t = 0; t < terminals; ++t) {
        for (const ReportedOrder& order : reports[t]) {
            checkOrder(order, t % Staff, stored, problems);
            ++reportedOrders;
            reportedLines += int(order.lines.size());
            latencies.push_back(order.latencyMs);
        }
    }
    if (int(stored.size()) != reportedOrders || storedLines != reportedLines)
        problems << QStringLiteral("the database holds %1 orders and %2 lines; the terminals sent %3 and %4")
                        .arg(stored.size())
                        .arg(storedLines)
                        .arg(reportedOrders)
                        .arg(reportedLines);
    // Orders and lines draw their keys from one generator.
    std::set<qint64> keys;
    for (const auto& [note, order] : stored) {
        if (!keys.insert(order.key).second)
            problems << QStringLiteral("key %1 is used twice").arg(order.key);
        for (const StoredLine& line : order.lines)
            if (!keys.insert(line.key).second)
                problems << QStringLiteral("key %1 is used twice").arg(line.key);
    }

    EXPECT_TRUE(problems.isEmpty()) << problems.size() << " problems, the first:\n"
                                    << problems.mid(0, 20).join(u'\n').toStdString();

    const qint64 lastExit = *std::max_element(finishedAt.begin(), finishedAt.end());
    const double wallSeconds = static_cast<double>(lastExit >= 0 ? lastExit : wall.nsecsElapsed()) / 1e9;
    std::printf("Load: %d terminals x %d orders, %d orders with %d lines sent in %.2f s: %.1f orders/s\n", terminals, ordersEach,
                reportedOrders, reportedLines, wallSeconds, reportedOrders / wallSeconds);
    if (!latencies.empty())
        std::printf("Send latency, confirmation answered to screen cleared: median %.2f ms, 99th percentile %.2f ms\n",
                    percentile(latencies, 0.5), percentile(latencies, 0.99));
}
