// The screen flags and the factors by which windows are scaled.
#pragma once

#include <QPoint>
#include <QSize>

// A scale factor kept as the ratio of two integers; scaled values are
// rounded to the nearest integer, halves away from zero.
struct ScaleFactor {
    int numerator = 1;
    int denominator = 1;

    int apply(int value) const;
    double value() const { return double(numerator) / denominator; }
    bool isIdentity() const { return numerator == denominator; }
    bool operator==(const ScaleFactor&) const = default;
};

// Designed height of the main window's total panel.
inline constexpr int DesignedTotalPanelHeight = 90;

// The windowing system did not rescale the main window on its own.
bool computeScaleToScreen(int totalPanelHeight);

// Width / height greater than 4/3, compared in extended precision.
bool computeWideScreen(QSize screen);

// The main window and the 45-tile window: height / 700 on a wide screen, width / 900 otherwise.
ScaleFactor mainWindowFactor(QSize screen, bool wideScreen);

// Dialogs: height / 600 on a wide screen, width / 800 otherwise.
ScaleFactor dialogFactor(QSize screen, bool wideScreen);

// Left edge of the scaled main window: (screen width - window width) / 2,
// halves to the even neighbour.
int mainWindowLeft(int screenWidth, int windowWidth);

// Top-left corner that centres a window on the screen, never off its top or left edge.
QPoint centredOnScreen(QSize screen, QSize window);
