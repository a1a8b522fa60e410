// The connection settings dialog: showing Net.txt, the two validations in
// their order, writing Net.txt and ending the program after a saved change.
#include "startup/application.h"
#include "startup/file_io.h"
#include "startup/tform_net.h"
#include "support/terminal_test.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

class ConnectionSettings : public TerminalTest {
protected:
    void SetUp() override { startProgramWithoutDatabase(); }

    QByteArray netTxt() { return readWholeFile(programFile(QStringLiteral("Net.txt"))); }
    void setNetTxt(const QByteArray& bytes) { writeWholeFile(programFile(QStringLiteral("Net.txt")), bytes); }

    void open()
    {
        Form_Net->hide();
        Form_Net->show();
    }
    void fillNetwork(const QStringList& parts, const QString& path)
    {
        Form_Net->RadioGroup1Items[1]->click();
        for (int i = 0; i < 4; ++i)
            Form_Net->E_IP[i]->setText(parts.value(i));
        Form_Net->E_Path->setText(path);
    }
    // A database file that exists, with a path long enough for local mode.
    QString existingDatabase()
    {
        const QString path = programFile(QStringLiteral("restaurant-base.fdb"));
        writeWholeFile(path, "x");
        return path;
    }
};

} // namespace

TEST_F(ConnectionSettings, ShowsNetTxtAtEveryShowing)
{
    setNetTxt("Net-IP\r\n192.168.0.10:c:\\base\\devazire.fdb\r\n");
    open();
    EXPECT_EQ(Form_Net->modeIndex(), 1);
    EXPECT_EQ(Form_Net->E_IP[0]->text(), QStringLiteral("192"));
    EXPECT_EQ(Form_Net->E_IP[3]->text(), QStringLiteral("10"));
    EXPECT_EQ(Form_Net->E_Path->text(), QStringLiteral("c:\\base\\devazire.fdb"));
    EXPECT_TRUE(Form_Net->E_IP[0]->isEnabled());

    Form_Net->E_Path->setText(QStringLiteral("edited and abandoned"));
    Form_Net->BtnCancel->click();
    setNetTxt("local\r\nlocalhost:/srv/devazire.fdb\r\n");
    open();
    EXPECT_EQ(Form_Net->modeIndex(), 0);
    EXPECT_EQ(Form_Net->E_Path->text(), QStringLiteral("/srv/devazire.fdb"));
    EXPECT_FALSE(Form_Net->E_IP[0]->isEnabled());
    EXPECT_EQ(Form_Net->E_IP[0]->palette().color(QPalette::Base), Form_Net->palette().color(QPalette::Button));
}

TEST_F(ConnectionSettings, NetworkModeValidationsInTheirOrder)
{
    const QString good = QStringLiteral("c:\\Program Files\\Dolvent\\devazire.fdb");
    const QString partMessage = QStringLiteral("В поле должно быть не менее одной и не более трёх цифр");
    const QString pathMessage = QStringLiteral("Путь к базе данных указан неверно !");
    struct Case {
        QStringList parts;
        QString path;
        QString message;
        QString focus;
    };
    const Case cases[] = {
        {{"", "1", "1", "1"}, good, partMessage, "E_IP1"},
        {{"1", "1", "1", "1234"}, good, partMessage, "E_IP4"},
        // Every length is checked before any digit.
        {{"1a", "1", "1", "1234"}, good, partMessage, "E_IP4"},
        {{"1", "1a", "1", "1"}, good, partMessage, "E_IP2"},
        {{"1", "1", "1", " 1"}, good, partMessage, "E_IP4"},
        {{"1", "1", "1", "1"}, "c:\\devazire.fd", pathMessage, "E_Path"},
        {{"1", "1", "1", "1"}, "c/\\x\\devazire.fdb", pathMessage, "E_Path"},
        {{"1", "1", "1", "1"}, "\\\\server\\devazire.fdb", pathMessage, "E_Path"},
        {{"1", "1", "1", "1"}, "c:\\base\\restaurant.fdb", pathMessage, "E_Path"},
    };
    const QByteArray before = netTxt();
    open();
    for (const Case& c : cases) {
        ui.clear();
        fillNetwork(c.parts, c.path);
        Form_Net->BtnOK->click();
        EXPECT_EQ(ui.messages(), QStringList {c.message}) << c.parts.join('.').toStdString() << " " << c.path.toStdString();
        ASSERT_NE(Form_Net->focusWidget(), nullptr);
        EXPECT_EQ(Form_Net->focusWidget()->objectName(), c.focus) << c.path.toStdString();
        EXPECT_EQ(netTxt(), before);
        EXPECT_FALSE(programEndRequested());
    }
}

TEST_F(ConnectionSettings, SavedNetworkSettingsEndTheProgram)
{
    open();
    fillNetwork({"999", "010", "0", "7"}, QStringLiteral("d:\\Base\\DevAzire.FDB"));
    Form_Net->BtnOK->click();
    EXPECT_EQ(netTxt(), "Net-IP\r\n999.010.0.7:d:\\Base\\DevAzire.FDB\r\n");
    EXPECT_EQ(Form_Net->result(), QDialog::Accepted);
    EXPECT_EQ(ui.messages(), QStringList {QStringLiteral("Для того чтоб изменения вступили в силу, необходимо перезапустить программу !")});
    EXPECT_TRUE(programEndRequested());
}

TEST_F(ConnectionSettings, LocalModeNeedsALongEnoughPathToAnExistingFile)
{
    open();
    Form_Net->RadioGroup1Items[0]->click();
    // The address is ignored in local mode.
    Form_Net->E_IP[0]->setText(QStringLiteral("x"));

    Form_Net->E_Path->setText(QStringLiteral("/tmp/short.fdb"));
    Form_Net->BtnOK->click();
    Form_Net->E_Path->setText(programFile(QStringLiteral("no-such-file.fdb")));
    Form_Net->BtnOK->click();
    EXPECT_EQ(ui.messages(), QStringList({QStringLiteral("Укажите путь к базе данных !!!"), QStringLiteral("По указанному пути файл не найден !!!")}));
    EXPECT_FALSE(programEndRequested());

    ui.clear();
    const QString database = existingDatabase();
    Form_Net->E_Path->setText(database);
    Form_Net->BtnOK->click();
    EXPECT_EQ(netTxt(), "Local\r\nlocalhost:" + database.toLocal8Bit() + "\r\n");
    EXPECT_TRUE(programEndRequested());
}

TEST_F(ConnectionSettings, DefaultsFollowedByCancelLeaveNetTxtUnchanged)
{
    setNetTxt("Net-IP\r\n10.0.0.1:c:\\base\\devazire.fdb\r\n");
    open();
    Form_Net->Btn_Default->click();
    EXPECT_EQ(Form_Net->modeIndex(), 0);
    EXPECT_EQ(Form_Net->E_Path->text(), QStringLiteral("c:\\Program Files\\Dolvent\\devazire.fdb"));
    Form_Net->BtnCancel->click();
    EXPECT_EQ(Form_Net->result(), QDialog::Rejected);
    EXPECT_EQ(netTxt(), "Net-IP\r\n10.0.0.1:c:\\base\\devazire.fdb\r\n");
    EXPECT_FALSE(programEndRequested());
}

TEST_F(ConnectionSettings, PathPickedWithTheFileDialog)
{
    open();
    ui.answerOpenFile(QStringLiteral("/srv/base/devazire.fdb"));
    Form_Net->SpeedButton1->click();
    EXPECT_EQ(ui.shown().back().text, QStringLiteral("База данных FireBird|*.fdb"));
    EXPECT_EQ(Form_Net->E_Path->text(), QStringLiteral("/srv/base/devazire.fdb"));
    Form_Net->SpeedButton1->click(); // cancelled: the path stays
    EXPECT_EQ(Form_Net->E_Path->text(), QStringLiteral("/srv/base/devazire.fdb"));
}

class ConnectionSettingsOnWideScreen : public TerminalTest {};

TEST_F(ConnectionSettingsOnWideScreen, NeverScaled)
{
    setScreen({1920, 1080});
    startProgramWithoutDatabase();
    EXPECT_EQ(Form_Net->size(), QSize(425, 481));
}
