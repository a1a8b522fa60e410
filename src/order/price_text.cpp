#include "order/price_text.h"

#include "startup/terminal_error.h"

#include <cfenv>
#include <cmath>

QString TilePriceTextOf(double price)
{
    // A double times 100 needs at most 60 significant bits: the 64-bit
    // mantissa of long double holds the product exactly.
    const long double product = static_cast<long double>(price) * 100.0L;
    if (!std::isfinite(product) || std::fabs(product) >= 9.0e18L)
        throw TerminalError(QStringLiteral("Invalid price %1").arg(price));
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const auto cents = static_cast<qint64>(std::nearbyintl(product));
    std::fesetround(mode);
    const qint64 roubles = cents / 100;
    const qint64 kopecks = cents % 100;
    const QString kopeckText = kopecks < 0 ? QStringLiteral("-%1").arg(-kopecks, 2, 10, QLatin1Char('0'))
                                           : QStringLiteral("%1").arg(kopecks, 2, 10, QLatin1Char('0'));
    return QString::number(roubles) + QStringLiteral("р ") + kopeckText + QStringLiteral("к");
}
