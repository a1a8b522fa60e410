// The price shown on a tile: roubles, "р", a blank, two-digit kopecks, "к".
#pragma once

#include <QString>

// 150.5 gives "150р 50к". The kopecks are the price times 100 formed
// exactly and rounded to the nearest integer, halves to even, so 0.125
// gives "0р 12к" while 0.025, whose double lies above it, gives "0р 03к".
QString TilePriceTextOf(double price);
