// The connection lost while an order is sent: the server stopped in the
// middle of the write transaction or before the send, and started again, or
// the attachment shut down by the server. Nothing of the order may be
// committed, the order stays on screen with one plain message, and the next
// send once the server answers writes the whole order exactly once.
//
// The send runs on the GUI thread, so the connection is cut from a thread of
// the test's own; a trigger holds the send after its first line, so the cut
// always falls between the first statements and the commit.
#include "db/tform_base.h"
#include "order/order_fixture.h"
#include "send/tform_date.h"
#include "send/tform_info.h"
#include "startup/application.h"
#include "startup/program_state.h"
#include "startup/terminal_error.h"
#include "startup/tform_vhod.h"

#include <QDateEdit>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimeEdit>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString InitScript = QStringLiteral("/etc/init.d/firebird3.0");

const QString NoConnectionMessage = QStringLiteral(
    "Нет связи с сервером! Заказ не отправлен и остался на экране. Проверьте связь и отправьте заказ ещё раз.");

class Socket {
public:
    Socket() : fd_(::socket(AF_INET, SOCK_STREAM, 0)) {}
    ~Socket()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

// Something accepts connections on the server's port on loopback.
bool listening()
{
    const Socket socket;
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(3050);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return socket.fd() >= 0 && ::connect(socket.fd(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

// The init script stops the guard, then the server, and waits for both to
// end; the server is only taken for gone when nothing is left of it.
bool stopServer()
{
    return QProcess::execute(InitScript, {QStringLiteral("stop")}) == 0 && !listening()
        && QProcess::execute(QStringLiteral("pidof"), {QStringLiteral("fbguard"), QStringLiteral("firebird")}) == 1;
}

// Returns once the server listens again.
bool startServer()
{
    return QProcess::execute(QStringLiteral("bash"), {QStringLiteral(SOURCE_DIR "/scripts/start-firebird.sh")}) == 0
        && listening();
}

// However a test ends, the tests after it find the server running.
class ServerRestarter {
public:
    ServerRestarter() = default;
    ~ServerRestarter()
    {
        if (!listening())
            startServer();
    }
    ServerRestarter(const ServerRestarter&) = delete;
    ServerRestarter& operator=(const ServerRestarter&) = delete;
};

enum class Loss { ServerStoppedMidSend, ServerDownBeforeSend, AttachmentShutMidSend };

const char* name(Loss loss)
{
    switch (loss) {
    case Loss::ServerStoppedMidSend:
        return "ServerStoppedMidSend";
    case Loss::ServerDownBeforeSend:
        return "ServerDownBeforeSend";
    case Loss::AttachmentShutMidSend:
        return "AttachmentShutMidSend";
    }
    return "";
}

void PrintTo(Loss loss, std::ostream* out)
{
    *out << name(loss);
}

class ServerStop : public OrderFixture, public ::testing::WithParamInterface<Loss> {
protected:
    ServerStop()
    {
        // While HOLD_GEN is above 0, the insert of an order's second line
        // counts itself in REACHED_GEN and waits, for at most a minute, until
        // HOLD_GEN drops. Generators are outside transactions: the test sees
        // REACHED_GEN move at once, and the send sees HOLD_GEN drop.
        database.run(QStringLiteral(R"(
CREATE GENERATOR HOLD_GEN;
CREATE GENERATOR REACHED_GEN;
SET TERM ^ ;
CREATE TRIGGER ZAKAZ_STR_HOLD FOR ZAKAZ_STR BEFORE INSERT
AS
DECLARE REACHED BIGINT;
DECLARE GIVE_UP TIMESTAMP;
BEGIN
  IF (GEN_ID(HOLD_GEN, 0) > 0 AND EXISTS (SELECT 1 FROM ZAKAZ_STR S WHERE S.KOD_ZAKAZ = NEW.KOD_ZAKAZ)) THEN
  BEGIN
    REACHED = GEN_ID(REACHED_GEN, 1);
    GIVE_UP = DATEADD(60 SECOND TO CAST('NOW' AS TIMESTAMP));
    WHILE (GEN_ID(HOLD_GEN, 0) > 0 AND CAST('NOW' AS TIMESTAMP) < GIVE_UP) DO
      REACHED = REACHED + 1;
  END
END^
SET TERM ; ^
INSERT INTO PERSON (KOD, LOGIN, PASSW) VALUES (5, 'anna', '1');
)"));
        addDish(101, QStringLiteral("Борщ"), 150.5);
        addDish(102, QStringLiteral("Чай"), 25);
        addDish(103, QStringLiteral("Вода"), 1.5);
        addTileRow(QStringLiteral("2anel1"), 1, 101);
        addTileRow(QStringLiteral("2anel2"), 2, 102);
        addTileRow(QStringLiteral("2anel3"), 3, 103);
        useMainLayout();
    }

    void SetUp() override
    {
        if (GetParam() != Loss::AttachmentShutMidSend && (::geteuid() != 0 || !QFileInfo::exists(InitScript)))
            GTEST_SKIP() << "Stopping the Firebird server takes root and " << InitScript.toStdString();
    }

    void startLoggedIn()
    {
        ui.answerModal([](QDialog& dialog) {
            Form_Vhod->ELogin->setText(QStringLiteral("anna"));
            Form_Vhod->EPassword->setText(QStringLiteral("1"));
            Form_Vhod->BitBtn1->click();
            return dialog.result();
        });
        start();
        ASSERT_EQ(CurrentLogin, QStringLiteral("anna"));
        ui.clear();
    }

    static void touch(int tile)
    {
        QWidget* memo = tileOf(tile).memo;
        QTest::mousePress(memo, Qt::LeftButton);
        QTest::mouseRelease(memo, Qt::LeftButton);
    }

    // Answers the due-date dialog and the confirmation, then presses send
    // through the event loop, so that a failure reaches the application's
    // error handling as it does for a real touch.
    void send()
    {
        ui.answerModal([](QDialog& dialog) {
            Form_Date->DateTimePicker1->setDate(QDate(2027, 1, 15));
            Form_Date->DateTimePicker2->setTime(QTime(13, 45));
            Form_Date->BitBtn1->click();
            return dialog.result();
        });
        ui.answerConfirmation(true);
        QTest::mouseClick(Form_Main->BtnKassa, Qt::LeftButton);
    }

    // Rows of a query, as text, on a connection of the caller's own;
    // callable from any thread.
    QStringList select(const QString& sql, const QStringList& fields) const
    {
        QStringList rows;
        onOwnConnection(sql, [&](Query& query) {
            for (query.open(); !query.eof(); query.next()) {
                QStringList values;
                for (const QString& field : fields)
                    values << query.asString(field);
                rows << values.join(u'|');
            }
        });
        return rows;
    }
    void execute(const QString& sql) const
    {
        onOwnConnection(sql, [](Query& query) { query.exec(); });
    }
    qint64 generator(const QString& name, qint64 step = 0) const
    {
        return select(QStringLiteral("SELECT GEN_ID(%1, %2) AS G FROM RDB$DATABASE").arg(name).arg(step), {QStringLiteral("G")})
            .value(0)
            .toLongLong();
    }

    struct Cut {
        bool reached = false;
        bool done = false;
        QString failure;
    };

    // Presses send with the hold armed, and from a thread of the test's
    // own cuts the connection once the send holds: stops the server, or
    // shuts every other attachment down. When the send never holds, or the
    // cut fails, the hold is released so that the send ends.
    Cut sendCutMidway(Loss loss)
    {
        generator(QStringLiteral("HOLD_GEN"), 1);
        Cut cut;
        std::atomic<bool> sendEnded {false};
        const std::unique_ptr<QThread> cutter(QThread::create([&] {
            try {
                const QDeadlineTimer deadline(std::chrono::seconds(60));
                while (!sendEnded && !deadline.hasExpired() && generator(QStringLiteral("REACHED_GEN")) == 0)
                    QThread::msleep(20);
                cut.reached = generator(QStringLiteral("REACHED_GEN")) > 0;
                if (cut.reached && loss == Loss::ServerStoppedMidSend) {
                    cut.done = stopServer();
                } else if (cut.reached) {
                    execute(QStringLiteral("DELETE FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION"));
                    cut.done = true;
                }
                if (!cut.done)
                    generator(QStringLiteral("HOLD_GEN"), -1);
            } catch (const std::exception& e) {
                cut.failure = errorText(e);
            }
        }));
        cutter->start();
        send();
        sendEnded = true;
        cutter->wait();
        return cut;
    }

    // The order as it was composed, still open on screen.
    void expectOrderKept()
    {
        EXPECT_FALSE(programEndRequested());
        EXPECT_TRUE(OrderOpen);
        EXPECT_EQ(orderRows(), QStringList({"102 x 1", "101 x 2", "103 x 1"}));
        EXPECT_EQ(Form_Main->Panel999->text(), QStringLiteral("327,50"));
        EXPECT_EQ(Form_Info->Memo1->toPlainText(), QStringLiteral("к 12:00"));
    }

private:
    void onOwnConnection(const QString& sql, const std::function<void(Query&)>& run) const
    {
        Database connection;
        database.connect(connection);
        Transaction transaction(connection, {QStringLiteral("write"), QStringLiteral("read_committed"),
                                             QStringLiteral("rec_version"), QStringLiteral("nowait")});
        Query query(transaction);
        query.setSql({sql});
        run(query);
        transaction.commit();
    }

    // A member of the test's own class: it restarts the server before the
    // order fixture takes the terminal and the database down.
    ServerRestarter restarter_;
};

} // namespace

TEST_P(ServerStop, CommitsNothingKeepsTheOrderAndTheNextSendWritesItOnce)
{
    const Loss loss = GetParam();
    const bool serverStops = loss != Loss::AttachmentShutMidSend;
    startLoggedIn();
    touch(2);
    touch(1);
    touch(1);
    touch(3);
    Form_Info->Memo1->setPlainText(QStringLiteral("к 12:00"));

    if (loss == Loss::ServerDownBeforeSend) {
        ASSERT_TRUE(stopServer());
        send();
    } else {
        const Cut cut = sendCutMidway(loss);
        ASSERT_TRUE(cut.failure.isEmpty()) << cut.failure.toStdString();
        ASSERT_TRUE(cut.reached);
        ASSERT_TRUE(cut.done);
    }
    EXPECT_EQ(ui.errors(), QStringList {NoConnectionMessage});
    expectOrderKept();

    if (serverStops) {
        // Pressed again while the server is still down: the new attachment is refused.
        ui.clear();
        send();
        EXPECT_EQ(ui.errors(), QStringList {NoConnectionMessage});
        expectOrderKept();
        ASSERT_TRUE(startServer());
    }
    // Also shows that the server answers again.
    generator(QStringLiteral("HOLD_GEN"), -generator(QStringLiteral("HOLD_GEN")));

    EXPECT_TRUE(select(QStringLiteral("SELECT KOD FROM ZAKAZ"), {QStringLiteral("KOD")}).isEmpty());
    EXPECT_TRUE(select(QStringLiteral("SELECT KOD FROM ZAKAZ_STR"), {QStringLiteral("KOD")}).isEmpty());

    ui.clear();
    send();
    ASSERT_TRUE(ui.errors().isEmpty()) << ui.errors().join(u'\n').toStdString();
    // The menu comes from the re-opened shift: each line is priced from it.
    const QStringList orders = select(QStringLiteral("SELECT KOD, KOD_MENU, SUMMA, KASSA FROM ZAKAZ"),
                                      {QStringLiteral("KOD"), QStringLiteral("KOD_MENU"), QStringLiteral("SUMMA"), QStringLiteral("KASSA")});
    ASSERT_EQ(orders.size(), 1);
    const QString order = orders[0].section(u'|', 0, 0);
    EXPECT_EQ(orders[0], order + QStringLiteral("|1|327.5|327.5"));
    EXPECT_EQ(select(QStringLiteral("SELECT KOD_ZAKAZ, KOD_BLUDO_CALC, KOLVO, CENA FROM ZAKAZ_STR ORDER BY KOD"),
                     {QStringLiteral("KOD_ZAKAZ"), QStringLiteral("KOD_BLUDO_CALC"), QStringLiteral("KOLVO"), QStringLiteral("CENA")}),
              QStringList({order + QStringLiteral("|102|1|25"), order + QStringLiteral("|101|2|150.5"),
                           order + QStringLiteral("|103|1|1.5")}));
    EXPECT_FALSE(OrderOpen);
    EXPECT_TRUE(orderRows().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(, ServerStop,
                         ::testing::Values(Loss::ServerStoppedMidSend, Loss::ServerDownBeforeSend, Loss::AttachmentShutMidSend),
                         [](const ::testing::TestParamInfo<Loss>& info) { return std::string(name(info.param)); });
