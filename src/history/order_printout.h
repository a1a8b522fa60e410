// The printout of the order being composed: a heading with the login and the
// time, one row per order line, the total and the note, laid out in a
// spreadsheet with fixed column widths, bold rows and borders.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <vector>

class Spreadsheet;

struct PrintedLine {
    QString name;
    double price = 0;
    double quantity = 0;
    double sum = 0;
};

struct OrderPrintout {
    QString heading;
    std::vector<PrintedLine> lines;
    QStringList note;
};

// "<< login >>   dd.MM.yyyy / HH:mm", hours and minutes split by the locale's separator.
QString printoutHeading(const QString& login, const QDateTime& when, const QLocale& locale = QLocale());

// The lines of a note as the memo holds them: a final line break starts no
// new line, and an empty note has none.
QStringList noteLines(const QString& text);

// Lays the printout out in the spreadsheet and shows it.
void printOrder(Spreadsheet& sheet, const OrderPrintout& printout);
