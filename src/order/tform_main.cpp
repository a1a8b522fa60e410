#include "order/tform_main.h"

#include "order/localtable/prepare_local_tables.h"
#include "order/order_grid.h"
#include "order/tform_p2.h"
#include "startup/application.h"
#include "startup/design.h"
#include "startup/environment.h"
#include "startup/forms.h"
#include "startup/interaction.h"
#include "startup/program_state.h"
#include "startup/scaling.h"
#include "startup/settings_files.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int DesignedWidth = 800;
constexpr int DesignedHeight = 580;
constexpr int DesignedLeft = 317;
constexpr int DesignedTop = 167;
} // namespace

TForm_Main::TForm_Main()
{
    setObjectName(QStringLiteral("Form_Main"));
    // A fixed single-line frame without title-bar buttons.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(windowDefaultFont());
    setFixedSize(DesignedWidth, DesignedHeight);
    createDataSources();
    buildOrderScreen(*this, MainScreenLayout, DSKassa);
    connectHandlers();
}

void TForm_Main::createDataSources()
{
    DSKassa.setColumns({
        {QStringLiteral("NAME"), QString(), QString()},
        {QStringLiteral("CENA"), QString(), QString()},
        {QStringLiteral("KOLVO"), QString(), QStringLiteral("0.###")},
        {QStringLiteral("SUMMA"), QString(), QStringLiteral("0.00")},
    });
    DSKassa.setTable(&TKassa);
    DSMenu.setColumns({
        {QStringLiteral("NAME"), QStringLiteral("Наименование"), QString()},
        {QStringLiteral("CENA"), QStringLiteral("Цена"), QString()},
    });
    DSMenu.setTable(&TMenu);
}

void TForm_Main::connectHandlers()
{
    for (int i = 1; i <= tileCount(); ++i) {
        const TileControls& t = tile(i);
        for (QWidget* control : {static_cast<QWidget*>(t.panel), static_cast<QWidget*>(t.image),
                                 static_cast<QWidget*>(t.memo), static_cast<QWidget*>(t.edit)})
            control->installEventFilter(this);
        connectHandler(t.button, &QPushButton::clicked, this, [this, button = t.button] { Button1Click(button); });
    }
    connectHandler(Btn_Down, &QPushButton::clicked, this, &TForm_Main::Btn_DownClick);
    connectHandler(Btn_Up, &QPushButton::clicked, this, &TForm_Main::Btn_UpClick);
    connectHandler(BtnCancel, &QPushButton::clicked, this, &TForm_Main::BtnCancelClick);
    connectHandler(Btn_Kolvo, &QPushButton::clicked, this, &TForm_Main::Btn_KolvoClick);
    connectHandler(BtnMenu, &QPushButton::clicked, this, &TForm_Main::BtnMenuClick);
    connectHandler(Btn_Exit, &QPushButton::clicked, this, &TForm_Main::Btn_ExitClick);
    connectHandler(Btn_Status, &QPushButton::clicked, this, &TForm_Main::Btn_StatusClick);
    connectHandler(Btn_Print, &QPushButton::clicked, this, &TForm_Main::Btn_PrintClick);
    connectHandler(BtnKassa, &QPushButton::clicked, this, &TForm_Main::BtnKassaClick);
    connectHandler(BtnInfo, &QPushButton::clicked, this, &TForm_Main::BtnInfoClick);
}

bool TForm_Main::eventFilter(QObject* watched, QEvent* event)
{
    static constexpr std::array<TileMouseRoute<TForm_Main>, 4> routes {{
        {TileControlKind::Panel, &TForm_Main::Panel1MouseDown, &TForm_Main::Panel1MouseUp},
        {TileControlKind::Image, &TForm_Main::Image1MouseDown, &TForm_Main::Image1MouseUp},
        {TileControlKind::Memo, &TForm_Main::Memo1MouseDown, &TForm_Main::Memo1MouseUp},
        {TileControlKind::Edit, &TForm_Main::Edit1MouseDown, &TForm_Main::Edit1MouseUp},
    }};
    return routeTileMouse(*this, watched, event, routes) || QWidget::eventFilter(watched, event);
}

OrderScreenControls& TForm_Main::screenInUse()
{
    if (UseFormP2)
        return *Form_P2;
    return *Form_Main;
}

std::array<OrderScreenControls*, 2> TForm_Main::bothScreens()
{
    return {Form_Main, Form_P2};
}

void TForm_Main::FormCreate()
{
    setWindowTitle(QLatin1String(ProgramVersionTitle));
    applyMainWindowGeometry();
    OrderOpen = false;
    UseFormP2 = false;
    PrepareLocalTables(environment().programDir, TKassa, TCount, TMenu);
    writeDefaultNetTxt(environment().programDir);
    clearTileData(MaxTiles);
}

void TForm_Main::applyMainWindowGeometry()
{
    const QSize screen = environment().screenSize;
    ScaleToScreen = computeScaleToScreen(Panel999->height());
    WideScreen = computeWideScreen(screen);
    if (!ScaleToScreen) {
        move(DesignedLeft, DesignedTop);
        return;
    }
    scaleWindow(*this, mainWindowFactor(screen, WideScreen));
    move(mainWindowLeft(screen.width(), width()), 0);
}

void TForm_Main::clearTileData(int lastTile)
{
    for (int i = 1; i <= lastTile; ++i) {
        TileKod[i] = 0;
        TileName[i].clear();
        TilePriceText[i].clear();
        TilePrice[i] = 0.0;
    }
}

void TForm_Main::Btn_ExitClick()
{
    if (OrderOpen) {
        ui().information(QStringLiteral("Сначала закройте или сбросте заказ !"));
        return;
    }
    if (ui().confirmation(QStringLiteral("Выход из программы"),
                          QStringLiteral("Вы действительно собираетесь выйти из программы ?")))
        close();
}

void TForm_Main::closeEvent(QCloseEvent* event)
{
    event->accept();
    requestProgramEnd();
}
