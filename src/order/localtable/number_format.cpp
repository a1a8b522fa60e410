#include "order/localtable/number_format.h"

#include <QLocale>

QString formatNumber(double value, QStringView pattern)
{
    QString text;
    if (pattern.isEmpty()) {
        text = QString::number(value, 'g', 15);
    } else {
        const qsizetype point = pattern.indexOf(u'.');
        const QStringView decimals = point < 0 ? QStringView() : pattern.sliced(point + 1);
        const qsizetype shown = decimals.count(u'0');
        text = QString::number(value, 'f', static_cast<int>(decimals.size()));
        if (text.contains(u'.')) {
            const qsizetype mandatoryEnd = text.indexOf(u'.') + 1 + shown;
            qsizetype end = text.size();
            while (end > mandatoryEnd && text.at(end - 1) == u'0')
                --end;
            if (text.at(end - 1) == u'.')
                --end;
            text.truncate(end);
        }
        // A value that rounds to nothing carries no sign.
        if (text.startsWith(u'-') && text.sliced(1).count(u'0') + text.sliced(1).count(u'.') == text.size() - 1)
            text.remove(0, 1);
    }
    return text.replace(u'.', QLocale().decimalPoint());
}
