// Screen flags, scale factors, the main window's left edge and the scaling routine.
#include "startup/scaling.h"
#include "startup/screen_geometry.h"

#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

TEST(ScreenGeometry, FlagsAndFactorsForCommonScreens)
{
    struct Case {
        QSize screen;
        bool wide;
        ScaleFactor main;
        ScaleFactor dialog;
    };
    const Case cases[] = {
        {{800, 600}, false, {800, 900}, {800, 800}},
        {{1024, 768}, false, {1024, 900}, {1024, 800}},
        {{1280, 1024}, false, {1280, 900}, {1280, 800}},
        {{1366, 768}, true, {768, 700}, {768, 600}},
        {{1920, 1080}, true, {1080, 700}, {1080, 600}},
        {{1680, 1050}, true, {1050, 700}, {1050, 600}},
    };
    for (const Case& c : cases) {
        const bool wide = computeWideScreen(c.screen);
        EXPECT_EQ(wide, c.wide) << c.screen.width() << "x" << c.screen.height();
        EXPECT_EQ(mainWindowFactor(c.screen, wide), c.main) << c.screen.width();
        EXPECT_EQ(dialogFactor(c.screen, wide), c.dialog) << c.screen.width();
    }
}

TEST(ScreenGeometry, ScaleToScreenOnlyWhenTheTotalPanelKeptItsDesignedHeight)
{
    EXPECT_TRUE(computeScaleToScreen(90));
    EXPECT_FALSE(computeScaleToScreen(91));
    EXPECT_FALSE(computeScaleToScreen(113));
}

TEST(ScreenGeometry, LeftEdgeRoundsHalvesToEven)
{
    struct Case {
        int screen, window, left;
    };
    const Case cases[] = {
        {1024, 910, 57}, {913, 800, 56}, // 56.5
        {915, 800, 58},                  // 57.5
        {800, 711, 44},                  // 44.5
        {1920, 1234, 343}, {800, 800, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mainWindowLeft(c.screen, c.window), c.left) << c.screen << " " << c.window;
}

TEST(ScreenGeometry, ScaledValuesRoundHalvesAwayFromZero)
{
    EXPECT_EQ((ScaleFactor {3, 2}.apply(1)), 2);  // 1.5
    EXPECT_EQ((ScaleFactor {3, 2}.apply(-1)), -2);
    EXPECT_EQ((ScaleFactor {1024, 900}.apply(800)), 910);
    EXPECT_EQ((ScaleFactor {1080, 700}.apply(90)), 139);
}

TEST(Scaling, ScalesGeometryAndFontsOfEveryControlOnce)
{
    QWidget window;
    window.setFixedSize(800, 580);
    QFont windowFont;
    windowFont.setPixelSize(11);
    window.setFont(windowFont);
    auto* panel = new QWidget(&window);
    panel->setGeometry(198, 68, 197, 67);
    auto* inherits = new QLabel(panel);
    inherits->setGeometry(61, 2, 133, 41);
    auto* own = new QLabel(panel);
    QFont big;
    big.setPixelSize(77);
    own->setFont(big);
    own->setGeometry(0, 0, 100, 90);

    scaleWindow(window, ScaleFactor {1080, 700});

    EXPECT_EQ(window.size(), QSize(1234, 895));
    EXPECT_EQ(panel->geometry(), QRect(305, 105, 304, 103));
    EXPECT_EQ(inherits->geometry(), QRect(94, 3, 205, 63));
    EXPECT_EQ(window.font().pixelSize(), 17);
    EXPECT_EQ(inherits->font().pixelSize(), 17);
    EXPECT_EQ(own->font().pixelSize(), 119);
}
