// demo-database: builds a demo café on the local Firebird server, so the
// terminal can be tried without a restaurant's own database, and switches
// the order-screen layout of a database.
//
//   demo-database create [--force] <database file>
//   demo-database layout <24|45> <database file>
//
// The account is ISC_USER and ISC_PASSWORD from the environment, else the
// server's /etc/firebird/3.0/SYSDBA.password.
#include "db/database.h"
#include "db/query.h"
#include "db/server_account.h"
#include "db/transaction.h"
#include "startup/terminal_error.h"

#include <QBuffer>
#include <QColor>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <limits>
#include <vector>

namespace {

enum class TileKind { None, Plain, Coloured, Picture };
enum class Shape { Plate, Bowl, Pie, Cake, Cup, Glass, Mug };

struct Dish {
    const char* name;
    double price;
    TileKind tile;
    // The colour of the food in the dish's picture.
    QRgb food = 0;
};

struct Section {
    const char* name;
    Shape shape;
    // Background of the section's coloured tiles and pictures.
    QRgb colour;
    std::vector<Dish> dishes;
};

constexpr auto N = TileKind::None;
constexpr auto T = TileKind::Plain;
constexpr auto C = TileKind::Coloured;
constexpr auto P = TileKind::Picture;

// One section per tab page, in page order.
const std::vector<Section> Menu {
    {"Салаты", Shape::Plate, 0xC8F0C8, {
        {"Оливье", 180, P, 0xF0E0A0},
        {"Цезарь с курицей", 320, C},
        {"Греческий", 290, T},
        {"Винегрет", 150.5, T},
        {"Сельдь под шубой", 210, C},
        {"Мимоза", 195, T},
        {"Салат из свежих овощей", 170, P, 0x50B040},
        {"Салат с языком", 345.5, N},
    }},
    {"Супы", Shape::Bowl, 0xFFDCB4, {
        {"Борщ со сметаной", 250, P, 0xB02830},
        {"Солянка мясная сборная", 290, C},
        {"Щи из свежей капусты", 210, T},
        {"Уха по-домашнему", 330, T},
        {"Куриная лапша", 190, T},
        {"Окрошка на квасе", 230, T},
        {"Харчо", 270, T},
        {"Грибной суп-пюре", 260.5, N},
    }},
    {"Горячее", Shape::Plate, 0xFFC8C8, {
        {"Пельмени домашние", 280, P, 0xF8F0E0},
        {"Котлета по-киевски", 390, C},
        {"Бефстроганов", 420, T},
        {"Голубцы", 310, T},
        {"Плов с бараниной", 360, T},
        {"Жаркое в горшочке", 395.5, C},
        {"Шашлык из свинины", 450, P, 0x8B4513},
        {"Судак по-польски", 480, T},
        {"Куриные котлеты", 260, T},
        {"Вареники с картофелем", 220, N},
        {"Печень по-строгановски", 290.5, N},
    }},
    {"Гарниры", Shape::Plate, 0xFFF5BE, {
        {"Картофельное пюре", 90, P, 0xF5E6A0},
        {"Картофель фри", 120, T},
        {"Гречка с маслом", 80, T},
        {"Рис отварной", 75.5, T},
        {"Макароны", 70, T},
        {"Овощи на пару", 140, C},
        {"Картофель по-деревенски", 130, N},
    }},
    {"Выпечка", Shape::Pie, 0xF5DEB3, {
        {"Пирожок с капустой", 55, P, 0xD29650},
        {"Пирожок с мясом", 65, T},
        {"Беляш", 75, T},
        {"Блины со сметаной", 150, C},
        {"Блины с творогом", 170, T},
        {"Сырники со сметаной", 190, T},
        {"Расстегай с рыбой", 95.5, T},
        {"Ватрушка", 60, N},
        {"Хлеб ржаной, 2 куска", 10, N},
    }},
    {"Десерты", Shape::Cake, 0xFFD2E6, {
        {"Медовик", 180, P, 0xE0B060},
        {"Наполеон", 190, T},
        {"Пирожное «Картошка»", 85, T},
        {"Мороженое пломбир", 120, T},
        {"Чизкейк", 240.5, C},
        {"Блинчики с вареньем", 160, T},
        {"Шарлотка", 130, N},
    }},
    {"Горячие напитки", Shape::Cup, 0xE6D2BE, {
        {"Чай чёрный", 60, P, 0x8B3A0F},
        {"Чай зелёный", 60, T},
        {"Чай с лимоном", 70, T},
        {"Кофе американо", 110, T},
        {"Капучино", 160, P, 0xC8A078},
        {"Латте", 169.9, T},
        {"Какао", 130, C},
        {"Горячий шоколад", 180.5, N},
        {"Сбитень", 90, N},
    }},
    {"Холодные напитки", Shape::Glass, 0xC8E6FF, {
        {"Морс клюквенный", 90, P, 0xC0203C},
        {"Компот из сухофруктов", 70, T},
        {"Квас", 80, T},
        {"Сок апельсиновый", 120, P, 0xFFA020},
        {"Сок яблочный", 109.9, T},
        {"Минеральная вода 0,5", 95, T},
        {"Лимонад домашний", 150.5, C},
        {"Кока-кола 0,33", 110, N},
    }},
    {"Бар", Shape::Mug, 0xE1D7F5, {
        {"Пиво разливное 0,5", 220, P, 0xE8A317},
        {"Пиво безалкогольное", 190, T},
        {"Водка, 50 мл", 150, T},
        {"Коньяк, 50 мл", 350, T},
        {"Вино красное, 150 мл", 280, C},
        {"Вино белое, 150 мл", 280, T},
        {"Глинтвейн", 250, C},
        {"Медовуха", 200, N},
        {"Сидр 0,5", 240.5, N},
    }},
};

struct Staff {
    const char* fio;
    const char* login;
    const char* password;
};

const Staff StaffList[] {
    {"Петрова Анна Сергеевна", "anna", "1111"},
    {"Кузнецов Борис Андреевич", "boris", "2222"},
};

// Tiles per tab page of the two layouts.
constexpr int Tiles24 = 24;
constexpr int Tiles45 = 45;
constexpr int PictureSize = 55;
// The closed shift's menu: the first dishes of each section, at last
// season's prices.
constexpr int ClosedMenuDishesPerSection = 3;
constexpr double ClosedMenuPriceFactor = 0.9;

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// Dish codes of the kitchen's costing program: section number, then dish.
int dishCode(int section, int dish)
{
    return (section + 1) * 100 + dish + 1;
}

// Windows colour values keep red in the lowest byte.
double windowsColour(QRgb rgb)
{
    return qRed(rgb) | qGreen(rgb) << 8 | qBlue(rgb) << 16;
}

QStringList connectionParams()
{
    return ::connectionParams(readServerAccount());
}

void drawShape(QPainter& painter, Shape shape, const QColor& food)
{
    const QPen outline(QColor(70, 70, 70), 1.5);
    painter.setPen(outline);
    switch (shape) {
    case Shape::Plate:
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRectF(3, 12, 49, 36));
        painter.setBrush(food);
        painter.drawEllipse(QRectF(13, 19, 29, 20));
        break;
    case Shape::Bowl:
        painter.setBrush(Qt::white);
        painter.drawChord(QRectF(5, 6, 45, 44), 0, -180 * 16);
        painter.setBrush(food);
        painter.drawEllipse(QRectF(5, 23, 45, 10));
        painter.setBrush(Qt::NoBrush);
        for (const int x : {18, 27, 36})
            painter.drawArc(QRectF(x, 6, 6, 14), 90 * 16, 180 * 16);
        break;
    case Shape::Pie:
        painter.setBrush(food);
        painter.drawChord(QRectF(4, 16, 47, 54), 0, 180 * 16);
        painter.drawLine(QPointF(4, 43), QPointF(51, 43));
        for (const int x : {18, 27, 36})
            painter.drawLine(QPointF(x, 26), QPointF(x + 3, 33));
        break;
    case Shape::Cake:
        painter.setBrush(food);
        painter.drawPolygon(QPolygonF({QPointF(6, 44), QPointF(49, 44), QPointF(49, 20), QPointF(6, 30)}));
        painter.setBrush(Qt::white);
        painter.drawPolygon(QPolygonF({QPointF(6, 30), QPointF(49, 20), QPointF(49, 15), QPointF(6, 26)}));
        painter.setPen(QPen(food.darker(150), 2));
        painter.drawLine(QPointF(6, 37), QPointF(49, 32));
        break;
    case Shape::Cup:
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRectF(4, 42, 47, 9));
        painter.drawRoundedRect(QRectF(10, 18, 28, 28), 6, 6);
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(32, 24, 14, 14), -90 * 16, 180 * 16);
        painter.setBrush(food);
        painter.drawEllipse(QRectF(10, 15, 28, 7));
        painter.setBrush(Qt::NoBrush);
        for (const int x : {17, 26})
            painter.drawArc(QRectF(x, 2, 5, 11), 90 * 16, 180 * 16);
        break;
    case Shape::Glass:
        painter.setBrush(QColor(235, 245, 255));
        painter.drawPolygon(QPolygonF({QPointF(14, 6), QPointF(41, 6), QPointF(37, 50), QPointF(18, 50)}));
        painter.setBrush(food);
        painter.drawPolygon(QPolygonF({QPointF(15.5, 18), QPointF(39.5, 18), QPointF(37, 50), QPointF(18, 50)}));
        painter.setPen(QPen(QColor(60, 140, 60), 2));
        painter.drawLine(QPointF(30, 34), QPointF(38, 1));
        break;
    case Shape::Mug:
        painter.setBrush(food);
        painter.drawRect(QRectF(10, 14, 27, 36));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(37, 20, 10, 20), 4, 4);
        painter.setBrush(Qt::white);
        QPainterPath foam;
        foam.addEllipse(QRectF(7, 7, 13, 11));
        foam.addEllipse(QRectF(17, 5, 13, 12));
        foam.addEllipse(QRectF(27, 7, 13, 11));
        painter.drawPath(foam.simplified());
        break;
    }
}

// The complete bytes of a 55 x 55 Windows bitmap file, 24 bits a pixel.
QByteArray picture(Shape shape, QRgb background, QRgb food)
{
    QImage image(PictureSize, PictureSize, QImage::Format_RGB32);
    image.fill(QColor(background));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawShape(painter, shape, QColor(food));
    painter.end();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP"))
        throw TerminalError(QStringLiteral("Cannot form a bitmap picture"));
    return buffer.data();
}

void runSchema(Database& database)
{
    QFile file(QStringLiteral(":/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw TerminalError(QStringLiteral("The schema script is missing from the program"));
    runScript(database, QString::fromUtf8(file.readAll()));
}

struct DemoCounts {
    int dishes = 0;
    int dishesWithoutTile = 0;
    int pictures = 0;
};

class DemoWriter {
public:
    explicit DemoWriter(Transaction& transaction) : transaction_(transaction) {}

    DemoCounts write()
    {
        const qint32 openMenu = addMenu(text("Основное меню"), 1.0, std::numeric_limits<int>::max());
        const qint32 closedMenu = addMenu(text("Зимнее меню"), ClosedMenuPriceFactor, ClosedMenuDishesPerSection);
        addShift(closedMenu, 10);
        addShift(openMenu, 0);
        addStaff();
        addTiles();
        addSectionNames();
        return counts_;
    }

private:
    qint32 nextKey()
    {
        Query query(transaction_);
        query.setSql({QStringLiteral("SELECT GEN_ID(MY_GEN, 1) FROM RDB$DATABASE")});
        query.open();
        return query.asInt32(QStringLiteral("GEN_ID"));
    }

    qint32 addMenu(const QString& name, double priceFactor, int dishesPerSection)
    {
        const qint32 key = nextKey();
        Query menu(transaction_);
        menu.setSql({QStringLiteral("INSERT INTO SPISOK_MENU (KOD, NAME) VALUES (:KOD, :NAME)")});
        menu.setInt32(QStringLiteral("KOD"), key);
        menu.setString(QStringLiteral("NAME"), name);
        menu.exec();

        Query dish(transaction_);
        dish.setSql({QStringLiteral("INSERT INTO MENU_STR (KOD_MENU, KOD_BLUDO_CALC_PROGRAM, NAME, CENA)"),
                     QStringLiteral("VALUES (:MENU, :CODE, :NAME, :CENA)")});
        dish.setInt32(QStringLiteral("MENU"), key);
        for (int s = 0; s < int(Menu.size()); ++s) {
            const std::vector<Dish>& dishes = Menu[s].dishes;
            for (int d = 0; d < int(dishes.size()) && d < dishesPerSection; ++d) {
                dish.setInt32(QStringLiteral("CODE"), dishCode(s, d));
                dish.setString(QStringLiteral("NAME"), text(dishes[d].name));
                dish.setDouble(QStringLiteral("CENA"), std::round(dishes[d].price * priceFactor * 100) / 100);
                dish.exec();
            }
        }
        return key;
    }

    void addShift(qint32 menu, int status)
    {
        Query query(transaction_);
        query.setSql({QStringLiteral("INSERT INTO SMENA (KOD, KOD_MENU, STATUS) VALUES (:KOD, :MENU, :STATUS)")});
        query.setInt32(QStringLiteral("KOD"), nextKey());
        query.setInt32(QStringLiteral("MENU"), menu);
        query.setInt32(QStringLiteral("STATUS"), status);
        query.exec();
    }

    void addStaff()
    {
        Query query(transaction_);
        query.setSql({QStringLiteral("INSERT INTO PERSON (KOD, FIO, LOGIN, PASSW, STATUS_PERSON)"),
                      QStringLiteral("VALUES (GEN_ID(MY_GEN, 1), :FIO, :LOGIN, :PASSW, 0)")});
        for (const Staff& person : StaffList) {
            query.setString(QStringLiteral("FIO"), text(person.fio));
            query.setString(QStringLiteral("LOGIN"), text(person.login));
            query.setString(QStringLiteral("PASSW"), text(person.password));
            query.exec();
        }
    }

    // Each section fills its own tab page from the page's first tile, on
    // both layouts; pictures only exist on the 24-tile layout.
    void addTiles()
    {
        Query tile(transaction_);
        tile.setSql({QStringLiteral("INSERT INTO MY_PARAM (KOD, NAME_PARAM, STRING_PARAM, INTEGER_PARAM, FLOAT_PARAM, IMAGE_PARAM)"),
                     QStringLiteral("VALUES (GEN_ID(MY_GEN, 1), :NAME, :CODE, :TILE, :COLOUR, :PICTURE)")});
        for (int s = 0; s < int(Menu.size()); ++s) {
            const Section& section = Menu[s];
            int placed = 0;
            for (int d = 0; d < int(section.dishes.size()); ++d) {
                const Dish& dish = section.dishes[d];
                ++counts_.dishes;
                if (dish.tile == TileKind::None) {
                    ++counts_.dishesWithoutTile;
                    continue;
                }
                if (placed == Tiles24)
                    throw TerminalError(QStringLiteral("Section %1 has more dishes on tiles than its page holds").arg(s + 1));
                tile.setString(QStringLiteral("CODE"), QString::number(dishCode(s, d)));
                tile.setDouble(QStringLiteral("COLOUR"), dish.tile == TileKind::Coloured ? windowsColour(section.colour) : 0);

                const int tile24 = s * Tiles24 + placed + 1;
                tile.setString(QStringLiteral("NAME"), QStringLiteral("2anel%1").arg(tile24));
                tile.setInt32(QStringLiteral("TILE"), tile24);
                if (dish.tile == TileKind::Picture) {
                    tile.setBytes(QStringLiteral("PICTURE"), picture(section.shape, section.colour, dish.food));
                    ++counts_.pictures;
                } else {
                    tile.setNull(QStringLiteral("PICTURE"));
                }
                tile.exec();

                const int tile45 = s * Tiles45 + placed + 1;
                tile.setString(QStringLiteral("NAME"), QStringLiteral("Panel%1").arg(tile45));
                tile.setInt32(QStringLiteral("TILE"), tile45);
                tile.setNull(QStringLiteral("PICTURE"));
                tile.exec();
                ++placed;
            }
        }
    }

    void addSectionNames()
    {
        Query query(transaction_);
        query.setSql({QStringLiteral("INSERT INTO MY_PARAM (KOD, NAME_PARAM, STRING_PARAM)"),
                      QStringLiteral("VALUES (GEN_ID(MY_GEN, 1), :NAME, :SECTION)")});
        for (int s = 0; s < int(Menu.size()); ++s) {
            query.setString(QStringLiteral("SECTION"), text(Menu[s].name));
            for (const QString& prefix : {QStringLiteral("2akladka"), QStringLiteral("zakladka")}) {
                query.setString(QStringLiteral("NAME"), prefix + QString::number(s + 1));
                query.exec();
            }
        }
    }

    Transaction& transaction_;
    DemoCounts counts_;
};

enum class Layout { Tiles24, Tiles45 };

// The terminals take the 24-tile layout while a row named "ff2" exists.
void setLayout(Transaction& transaction, Layout layout)
{
    Query query(transaction);
    query.setSql({QStringLiteral("DELETE FROM MY_PARAM WHERE NAME_PARAM = 'ff2'")});
    query.exec();
    if (layout == Layout::Tiles24) {
        query.setSql({QStringLiteral("INSERT INTO MY_PARAM (KOD, NAME_PARAM) VALUES (GEN_ID(MY_GEN, 1), 'ff2')")});
        query.exec();
    }
}

int create(const QString& path, bool force)
{
    QElapsedTimer timer;
    timer.start();
    Database database;
    database.setDatabaseName(QStringLiteral("localhost:") + path);
    database.setParams(connectionParams());
    if (QFileInfo::exists(path)) {
        if (!force) {
            std::fprintf(stderr, "demo-database: %s exists; --force replaces it\n", qPrintable(path));
            return 1;
        }
        database.connect();
        database.dropDatabase();
    }
    // Forced writes are off while the schema and the rows go in, each DDL
    // statement being a commit of its own, and on again for the finished file.
    database.setParams(connectionParams() << QStringLiteral("force_write=0"));
    database.createDatabase();
    runSchema(database);
    DemoCounts counts;
    {
        Transaction transaction(database);
        counts = DemoWriter(transaction).write();
        setLayout(transaction, Layout::Tiles24);
        transaction.commit();
    }
    database.disconnect();
    database.setParams(connectionParams() << QStringLiteral("force_write=1"));
    database.connect();
    database.disconnect();
    std::printf("Created %s in %.1f s: %d dishes (%d on no tile), %d pictures, %d staff, "
                "one open and one closed shift, 24-tile layout\n",
                qPrintable(path), timer.elapsed() / 1000.0, counts.dishes, counts.dishesWithoutTile,
                counts.pictures, int(std::size(StaffList)));
    return 0;
}

// Attaches to an existing demo database on the local server.
void connectTo(Database& database, const QString& path)
{
    database.setDatabaseName(QStringLiteral("localhost:") + path);
    database.setParams(connectionParams());
    database.connect();
}

int layout(const QString& path, Layout chosen)
{
    Database database;
    connectTo(database, path);
    Transaction transaction(database);
    setLayout(transaction, chosen);
    transaction.commit();
    std::printf("%s now has the %s-tile layout; terminals take it at their next start\n", qPrintable(path),
                chosen == Layout::Tiles24 ? "24" : "45");
    return 0;
}

// Grows the open shift's menu to the given number of dishes with numbered
// dishes on no tile, to try the terminal with a big kitchen's menu.
int growMenu(const QString& path, int dishes)
{
    Database database;
    connectTo(database, path);
    Transaction transaction(database);
    Query query(transaction);
    query.setSql({QStringLiteral("SELECT FIRST 1 KOD_MENU FROM SMENA WHERE STATUS < 10 ORDER BY KOD")});
    query.open();
    if (query.eof())
        throw TerminalError(QStringLiteral("%1 has no open shift").arg(path));
    const qint64 menu = query.asInt64(QStringLiteral("KOD_MENU"));
    query.close();
    query.setSql({QStringLiteral("SELECT COUNT(*) AS N, MAX(KOD_BLUDO_CALC_PROGRAM) AS LAST_CODE FROM MENU_STR "
                                 "WHERE KOD_MENU = :MENU")});
    query.setInt64(QStringLiteral("MENU"), menu);
    query.open();
    const qint64 present = query.asInt64(QStringLiteral("N"));
    const qint64 lastCode = query.asInt64(QStringLiteral("LAST_CODE"));
    query.close();

    Query dish(transaction);
    dish.setSql({QStringLiteral("INSERT INTO MENU_STR (KOD_MENU, KOD_BLUDO_CALC_PROGRAM, NAME, CENA)"),
                 QStringLiteral("VALUES (:MENU, :CODE, :NAME, :CENA)")});
    dish.setInt64(QStringLiteral("MENU"), menu);
    for (qint64 n = present + 1; n <= dishes; ++n) {
        const qint64 code = lastCode + n - present;
        dish.setInt64(QStringLiteral("CODE"), code);
        dish.setString(QStringLiteral("NAME"), QStringLiteral("Блюдо дня № %1").arg(n, 5, 10, QLatin1Char('0')));
        dish.setDouble(QStringLiteral("CENA"), 50 + double(code % 400));
        dish.exec();
    }
    transaction.commit();
    std::printf("%s: the open shift's menu has %lld dishes\n", qPrintable(path),
                static_cast<long long>(std::max<qint64>(present, dishes)));
    return 0;
}

int usage()
{
    std::fputs("usage: demo-database create [--force] <database file>\n"
               "       demo-database layout <24|45> <database file>\n"
               "       demo-database menu <number of dishes> <database file>\n",
               stderr);
    return 2;
}

int run(QStringList arguments)
{
    if (arguments.isEmpty())
        return usage();
    const QString command = arguments.takeFirst();
    if (command == u"create") {
        const bool force = arguments.removeAll(QStringLiteral("--force")) > 0;
        if (arguments.size() != 1)
            return usage();
        return create(QFileInfo(arguments[0]).absoluteFilePath(), force);
    }
    if (command == u"layout" && arguments.size() == 2 && (arguments[0] == u"24" || arguments[0] == u"45"))
        return layout(QFileInfo(arguments[1]).absoluteFilePath(),
                      arguments[0] == u"24" ? Layout::Tiles24 : Layout::Tiles45);
    if (command == u"menu" && arguments.size() == 2) {
        bool ok = false;
        const int dishes = arguments[0].toInt(&ok);
        if (ok && dishes > 0)
            return growMenu(QFileInfo(arguments[1]).absoluteFilePath(), dishes);
    }
    return usage();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    try {
        return run(application.arguments().mid(1));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "demo-database: %s\n", qPrintable(errorText(e)));
        return 1;
    }
}
