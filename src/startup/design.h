// Small helpers for windows built in code at their designed pixel positions.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

// A font of the designed family and character height in pixels.
QFont designFont(const QString& family, int pixelSize, bool bold = false, bool italic = false);

// The window default font of the order screens and most dialogs.
QFont windowDefaultFont();

// Creates a control of type W on parent, named as the handlers know it, at its designed place.
template <typename W>
W* placeControl(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* control = new W(parent);
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}
