#include "order/order_screen.h"

#include "order/button_pictures.h"
#include "order/order_grid.h"
#include "startup/design.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <optional>

namespace {

QRect mainTilePanel(int column, int row)
{
    return QRect(198 * column, 68 * row, column == 3 ? 196 : 197, 67);
}

QRect p2TilePanel(int column, int row)
{
    return QRect(1 + 158 * column, 47 * row, 157, 47);
}

const QString Arial = QStringLiteral("Arial");
const QString SansSerif = QStringLiteral("MS Sans Serif");

QLabel* placeTextBox(QWidget* panel, const QString& name, const QRect& geometry, int fontSize, bool wrap)
{
    auto* box = placeControl<QLabel>(panel, name, geometry);
    box->setFont(designFont(SansSerif, fontSize));
    box->setWordWrap(wrap);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setAutoFillBackground(true);
    return box;
}

} // namespace

const OrderScreenLayout MainScreenLayout {
    24, 4, 90, QRect(0, 90, 800, 447), 21, mainTilePanel,
    true, QRect(2, 6, 55, 55), QRect(61, 2, 133, 41), QRect(65, 42, 72, 21), QRect(135, 43, 59, 21), 13, 13,
    537, 43,
    {0, 88, 147, 236, 324, 412, 473, 534, 623, 712},
    {88, 58, 88, 88, 88, 60, 60, 88, 88, 88},
    66,
};

const OrderScreenLayout P2ScreenLayout {
    45, 5, 80, QRect(0, 80, 800, 461), 19, p2TilePanel,
    false, QRect(), QRect(2, 1, 149, 21), QRect(2, 30, 72, 16), QRect(112, 23, 40, 21), 13, 11,
    541, 39,
    {0, 88, 145, 234, 323, 412, 473, 534, 623, 712},
    {88, 57, 88, 88, 88, 60, 60, 88, 88, 88},
    65,
};

QColor buttonFaceColour()
{
    return QApplication::palette().color(QPalette::Button);
}

QColor windowColour()
{
    return QApplication::palette().color(QPalette::Base);
}

void setBackgroundColour(QWidget& control, const QColor& colour)
{
    QPalette palette = control.palette();
    palette.setColor(QPalette::Window, colour);
    control.setPalette(palette);
}

namespace {

struct TilePrefix {
    QLatin1String prefix;
    TileControlKind kind;
};
constexpr TilePrefix TilePrefixes[] = {
    {QLatin1String("Panel"), TileControlKind::Panel}, {QLatin1String("Image"), TileControlKind::Image},
    {QLatin1String("Memo"), TileControlKind::Memo},   {QLatin1String("Edit"), TileControlKind::Edit},
    {QLatin1String("Button"), TileControlKind::Button},
};

} // namespace

TileControlKind tileControlKind(const QObject* control)
{
    const QString name = control->objectName();
    for (const TilePrefix& p : TilePrefixes)
        if (name.startsWith(p.prefix))
            return p.kind;
    return TileControlKind::None;
}

int tileNumberOf(const QObject* control)
{
    const QString name = control->objectName();
    for (const TilePrefix& p : TilePrefixes) {
        if (name.startsWith(p.prefix)) {
            bool ok = false;
            const int number = QStringView(name).mid(p.prefix.size()).toInt(&ok);
            return ok ? number : 0;
        }
    }
    return 0;
}

bool isPressEvent(const QEvent* event)
{
    return event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
}

bool isReleaseEvent(const QEvent* event)
{
    return event->type() == QEvent::MouseButtonRelease;
}

void OrderScreenControls::buildOrderScreen(QWidget& window, const OrderScreenLayout& layout, LocalTableModel& orderRows)
{
    Panel999 = placeControl<QLabel>(&window, QStringLiteral("Panel999"), QRect(0, 0, 398, layout.totalHeight));
    Panel999->setFont(designFont(Arial, 77, true));
    Panel999->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel999->setAutoFillBackground(true);

    GridKassa = new OrderGrid(&window, orderRows, {208, 55, 39, layout.summaWidth});
    GridKassa->setGeometry(400, 0, 400, layout.totalHeight);
    GridKassa->setFont(designFont(SansSerif, 13));

    PageControl1 = placeControl<QTabWidget>(&window, QStringLiteral("PageControl1"), layout.pageControl);
    PageControl1->tabBar()->setFont(designFont(Arial, layout.tabFontSize));
    PageControl1->tabBar()->setAttribute(Qt::WA_Hover);
    for (int page = 1; page <= 9; ++page) {
        TabSheet[page] = new QWidget;
        TabSheet[page]->setObjectName(QStringLiteral("TabSheet%1").arg(page));
        PageControl1->addTab(TabSheet[page], QString());
    }

    const int count = 9 * layout.tilesPerPage;
    tiles.assign(count + 1, TileControls {});
    for (int i = 1; i <= count; ++i) {
        const int page = (i - 1) / layout.tilesPerPage + 1;
        const int position = (i - 1) % layout.tilesPerPage;
        TileControls& tile = tiles[i];
        const QString number = QString::number(i);
        tile.panel = placeControl<QFrame>(TabSheet[page], QStringLiteral("Panel") + number,
                                          layout.tilePanel(position % layout.columns, position / layout.columns));
        tile.panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        tile.panel->setAutoFillBackground(true);
        if (layout.pictures) {
            tile.image = placeControl<QLabel>(tile.panel, QStringLiteral("Image") + number, layout.image);
            tile.image->setScaledContents(true);
        }
        tile.memo = placeTextBox(tile.panel, QStringLiteral("Memo") + number, layout.memo, layout.memoFontSize, true);
        tile.edit = placeTextBox(tile.panel, QStringLiteral("Edit") + number, layout.edit, layout.editFontSize, false);
        tile.button = placeControl<QPushButton>(tile.panel, QStringLiteral("Button") + number, layout.button);
        tile.button->setFont(designFont(page == 1 ? SansSerif : Arial, 11));
        tile.button->setFocusPolicy(Qt::NoFocus);
        tile.button->hide();
    }

    struct Bottom {
        QPushButton*& button;
        const char* name;
        QString caption;
        QString hint;
        QFont font;
        std::optional<ButtonPicture> picture;
    };
    const QFont windowFont = window.font();
    const QFont smallSans = designFont(SansSerif, 11);
    Bottom bottoms[] = {
        {BtnKassa, "BtnKassa", QStringLiteral("Заказать"), QStringLiteral("Отправить заказ"), windowFont, ButtonPicture::Kassa},
        {Btn_Print, "Btn_Print", QString(), QStringLiteral("Печать заказа"), windowFont, ButtonPicture::Print},
        {Btn_Status, "Btn_Status", QStringLiteral("Статус"), QStringLiteral("Информация о статусе заказов"), smallSans, ButtonPicture::Status},
        {BtnInfo, "BtnInfo", QStringLiteral("Информ."), QString(), smallSans, ButtonPicture::Info},
        {Btn_Kolvo, "Btn_Kolvo", QStringLiteral("0,00"), QStringLiteral("Количество"), designFont(Arial, 32, true), std::nullopt},
        {Btn_Down, "Btn_Down", QString(), QStringLiteral("Следующая строка заказа"), windowFont, ButtonPicture::Down},
        {Btn_Up, "Btn_Up", QString(), QStringLiteral("Предыдущая строка заказа"), windowFont, ButtonPicture::Up},
        {BtnMenu, "BtnMenu", QStringLiteral("Меню"), QStringLiteral("Список товаров не вошедших на кнопки панелей"), smallSans, ButtonPicture::Menu},
        {BtnCancel, "BtnCancel", QStringLiteral("Сброс"), QStringLiteral("Сброс заказа"), windowFont, ButtonPicture::Cancel},
        {Btn_Exit, "Btn_Exit", QStringLiteral("Выход"), QStringLiteral("Выход из программы"), windowFont, ButtonPicture::Exit},
    };
    for (int k = 0; k < 10; ++k) {
        Bottom& b = bottoms[k];
        b.button = placeControl<QPushButton>(&window, QLatin1String(b.name),
                                             QRect(layout.bottomLefts[k], layout.bottomTop, layout.bottomWidths[k], layout.bottomHeight));
        b.button->setText(b.caption);
        b.button->setToolTip(b.hint);
        b.button->setFont(b.font);
        b.button->setFocusPolicy(Qt::NoFocus);
        if (b.picture) {
            b.button->setIcon(buttonIcon(*b.picture));
            b.button->setIconSize(buttonPictureSize(*b.picture));
        }
    }

    setOrderColours(false);
}

void OrderScreenControls::setOrderColours(bool orderOpen)
{
    const QColor colour = orderOpen ? windowColour() : buttonFaceColour();
    setBackgroundColour(*Panel999, colour);
    GridKassa->setBackground(colour);
}

void OrderScreenControls::clearTileButtons()
{
    for (int i = 1; i <= tileCount(); ++i) {
        tiles[i].button->setText(QString());
        tiles[i].button->hide();
    }
}
