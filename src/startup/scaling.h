// Scales a window with all its controls: positions, sizes and font pixel sizes.
#pragma once

#include "startup/screen_geometry.h"

class QWidget;

// The window's client size and every descendant's geometry and font are
// multiplied by the factor. Every window of the program is scaled through here.
void scaleWindow(QWidget& window, ScaleFactor factor);
