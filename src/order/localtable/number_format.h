// The display formats of prices, quantities and amounts, with the system's
// decimal separator.
#pragma once

#include <QString>
#include <QStringView>

// pattern is "0" followed optionally by "." and decimals: each '0' a decimal
// always shown, each '#' one shown only when not zero ("0.00" turns 12.5
// into 12,50; "0.###" turns 0.33333 into 0,333 and 1 into 1). An empty
// pattern gives the shortest general form (150.5 as 150,5).
QString formatNumber(double value, QStringView pattern = {});
