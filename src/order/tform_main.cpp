#include "order/tform_main.h"

#include "order/localtable/prepare_local_tables.h"
#include "startup/application.h"
#include "startup/design.h"
#include "startup/environment.h"
#include "startup/interaction.h"
#include "startup/program_state.h"
#include "startup/scaling.h"
#include "startup/settings_files.h"

#include <QCloseEvent>
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
    createControls();
    createDataSources();
    connectHandlers();
}

void TForm_Main::createControls()
{
    Panel999 = placeControl<QLabel>(this, QStringLiteral("Panel999"), QRect(0, 0, 398, 90));
    Panel999->setFont(designFont(QStringLiteral("Arial"), 77, true));
    Panel999->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel999->setAutoFillBackground(true);

    Btn_Exit = placeControl<QPushButton>(this, QStringLiteral("Btn_Exit"), QRect(712, 537, 88, 43));
    Btn_Exit->setText(QStringLiteral("Выход"));
    Btn_Exit->setToolTip(QStringLiteral("Выход из программы"));
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
    connect(Btn_Exit, &QPushButton::clicked, this, &TForm_Main::Btn_ExitClick);
}

void TForm_Main::FormCreate()
{
    setWindowTitle(QLatin1String(ProgramVersionTitle));
    applyMainWindowGeometry();
    OrderOpen = false;
    UseFormP2 = false;
    PrepareLocalTables(environment().programDir, TKassa, TCount, TMenu);
    writeDefaultNetTxt(environment().programDir);
    clearTileData();
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

void TForm_Main::clearTileData()
{
    TileKod.fill(0);
    TileName.fill(QString());
    TilePriceText.fill(QString());
    TilePrice.fill(0.0);
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
