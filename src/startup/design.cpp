#include "startup/design.h"

QFont designFont(const QString& family, int pixelSize, bool bold, bool italic)
{
    // MS Sans Serif has no metric twin in fontconfig, so the fallback would be
    // a wider face; Arial, close to its metrics, resolves to Liberation Sans.
    QFont font(family == QLatin1String("MS Sans Serif") ? QStringLiteral("Arial") : family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont windowDefaultFont()
{
    return designFont(QStringLiteral("MS Sans Serif"), 11);
}
