#include "history/time_formats.h"

namespace {
constexpr QChar Quote = u'\'';
constexpr QChar ZoneLetter = u't';
} // namespace

QString timeOfDayFormat(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == Quote)
            quoted = !quoted;
        if (!quoted && c == ZoneLetter)
            continue;
        result += c;
    }
    return result.trimmed();
}

QString timeSeparator(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    qsizetype hoursEnd = 0;
    while (hoursEnd < format.size() && format.at(hoursEnd) != u'h' && format.at(hoursEnd) != u'H')
        ++hoursEnd;
    while (hoursEnd < format.size() && (format.at(hoursEnd) == u'h' || format.at(hoursEnd) == u'H'))
        ++hoursEnd;
    const qsizetype minutes = format.indexOf(u'm', hoursEnd);
    QString separator = minutes < 0 ? QString() : format.mid(hoursEnd, minutes - hoursEnd);
    separator.remove(Quote);
    return separator.isEmpty() ? QStringLiteral(":") : separator;
}
