#include "startup/design.h"

QFont designFont(const QString& family, int pixelSize, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont windowDefaultFont()
{
    return designFont(QStringLiteral("MS Sans Serif"), 11);
}
