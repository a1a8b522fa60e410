#include "startup/screen_geometry.h"

#include <QPoint>
#include <algorithm>
#include <cstdlib>

int ScaleFactor::apply(int value) const
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long quotient = product / denominator;
    const long long remainder = product % denominator;
    // Round half away from zero, as the windowing system's own scaling did.
    if (2 * std::llabs(remainder) >= std::llabs(static_cast<long long>(denominator)))
        return static_cast<int>(quotient + ((product < 0) != (denominator < 0) ? -1 : 1));
    return static_cast<int>(quotient);
}

bool computeScaleToScreen(int totalPanelHeight)
{
    return totalPanelHeight == DesignedTotalPanelHeight;
}

bool computeWideScreen(QSize screen)
{
    if (screen.height() <= 0)
        return false;
    const long double ratio = static_cast<long double>(screen.width()) / static_cast<long double>(screen.height());
    return ratio > 4.0L / 3.0L;
}

ScaleFactor mainWindowFactor(QSize screen, bool wideScreen)
{
    return wideScreen ? ScaleFactor {screen.height(), 700} : ScaleFactor {screen.width(), 900};
}

ScaleFactor dialogFactor(QSize screen, bool wideScreen)
{
    return wideScreen ? ScaleFactor {screen.height(), 600} : ScaleFactor {screen.width(), 800};
}

int mainWindowLeft(int screenWidth, int windowWidth)
{
    const int twice = screenWidth - windowWidth;
    const int floorHalf = twice >= 0 ? twice / 2 : -((-twice + 1) / 2);
    if (twice % 2 == 0)
        return floorHalf;
    // An exact half: take the even one of floorHalf and floorHalf + 1.
    return floorHalf % 2 == 0 ? floorHalf : floorHalf + 1;
}

QPoint centredOnScreen(QSize screen, QSize window)
{
    return QPoint(std::max(0, (screen.width() - window.width()) / 2),
                  std::max(0, (screen.height() - window.height()) / 2));
}
