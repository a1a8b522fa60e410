#include "order/order_fixture.h"

#include "startup/codepages.h"
#include "startup/file_io.h"
#include "startup/keystream.h"
#include "startup/password_file.h"

#include <QBuffer>
#include <QImage>

OrderFixture::OrderFixture()
{
    // Width / 900 = 1: the order screens keep their designed sizes.
    setScreen({900, 700});
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    writeWholeFile(programFile(QStringLiteral("Net.txt")), "Local\r\n" + database.connectionString().toLocal8Bit() + "\r\n");
    Keystream keystream;
    writePasswordFile(keystream, programFile(QStringLiteral("psw.txt")), encodeText(CodePage::Cp1251, serverAccount().password));
    database.run(QStringLiteral(
        "INSERT INTO SPISOK_MENU (KOD) VALUES (1);"
        "INSERT INTO SPISOK_MENU (KOD) VALUES (2);"
        "INSERT INTO SMENA (KOD, KOD_MENU, STATUS) VALUES (10, 1, 0);"
        "INSERT INTO SMENA (KOD, KOD_MENU, STATUS) VALUES (11, 2, 10);"));
}

OrderFixture::~OrderFixture()
{
    forms.reset();
    QLocale::setDefault(savedLocale_);
}

void OrderFixture::execute(const QString& sql, const std::function<void(Query&)>& bind)
{
    Database connection;
    database.connect(connection);
    Transaction transaction(connection, {QStringLiteral("write"), QStringLiteral("consistency")});
    Query query(transaction);
    query.setSql({sql});
    bind(query);
    query.exec();
    transaction.commit();
}

void OrderFixture::addDish(qint64 code, const QString& name, double price, bool closedMenu)
{
    execute(QStringLiteral("INSERT INTO MENU_STR (KOD_MENU, KOD_BLUDO_CALC_PROGRAM, NAME, CENA) VALUES (:M, :K, :N, :C)"),
            [&](Query& q) {
                q.setInt64(QStringLiteral("M"), closedMenu ? 2 : 1);
                q.setInt64(QStringLiteral("K"), code);
                q.setString(QStringLiteral("N"), name);
                q.setDouble(QStringLiteral("C"), price);
            });
}

void OrderFixture::addTileRow(const QString& key, int tile, qint64 dishCode, std::optional<double> colour,
                              std::optional<QByteArray> picture)
{
    execute(QStringLiteral("INSERT INTO MY_PARAM (KOD, NAME_PARAM, INTEGER_PARAM, STRING_PARAM, FLOAT_PARAM, IMAGE_PARAM) "
                           "VALUES (:KOD, :NP, :IP, :SP, :FP, :IM)"),
            [&](Query& q) {
                q.setInt32(QStringLiteral("KOD"), ++nextKey_);
                q.setString(QStringLiteral("NP"), key);
                q.setInt32(QStringLiteral("IP"), tile);
                q.setString(QStringLiteral("SP"), QString::number(dishCode));
                colour ? q.setDouble(QStringLiteral("FP"), *colour) : q.setNull(QStringLiteral("FP"));
                picture ? q.setBytes(QStringLiteral("IM"), *picture) : q.setNull(QStringLiteral("IM"));
            });
}

void OrderFixture::addSection(const QString& key, const QString& name)
{
    execute(QStringLiteral("INSERT INTO MY_PARAM (KOD, NAME_PARAM, STRING_PARAM) VALUES (:KOD, :NP, :SP)"), [&](Query& q) {
        q.setInt32(QStringLiteral("KOD"), ++nextKey_);
        q.setString(QStringLiteral("NP"), key);
        q.setString(QStringLiteral("SP"), name);
    });
}

void OrderFixture::useMainLayout()
{
    addSection(QStringLiteral("ff2"), QString());
}

void OrderFixture::start()
{
    startProgram();
}

QStringList OrderFixture::orderRows()
{
    QStringList rows;
    const LocalTable& table = Form_Main->TKassa;
    for (int i = 0; i < table.LiveRowCount(); ++i) {
        const LocalRow row = table.row(i);
        rows << QStringLiteral("%1 x %2").arg(row.asInteger(QStringLiteral("KOD"))).arg(row.asDouble(QStringLiteral("KOLVO")));
    }
    return rows;
}

QByteArray OrderFixture::bitmap(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}
