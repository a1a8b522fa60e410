// Time formats taken from the locale, for showing times of day and for the
// printout's heading.
#pragma once

#include <QLocale>
#include <QString>

// The locale's long time format (with seconds) without its time zone: a time
// of day read from the database belongs to no zone.
QString timeOfDayFormat(const QLocale& locale = QLocale());

// The character between hours and minutes in the locale's short time format.
QString timeSeparator(const QLocale& locale = QLocale());
