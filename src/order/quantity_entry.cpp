// The quantity key of the order screens: the current row's quantity typed on
// the keypad, a quantity of 0 removing the row.
#include "order/tform_main.h"

#include "order/localtable/number_format.h"
#include "order/localtable/prepare_local_tables.h"
#include "order/tform_klava.h"
#include "startup/environment.h"
#include "startup/forms.h"
#include "startup/interaction.h"
#include "startup/program_state.h"

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <cmath>
#include <optional>

using namespace LocalColumn;

namespace {

// A double keeps 15 significant digits, so with the 4 decimals the order
// table stores, quantities of up to 11 whole digits are held exactly as
// typed; the column's own 15 whole places would let larger ones change.
constexpr int WholeDigits = 11;
constexpr double QuantityLimit = 1e11;

// The keypad's display as a quantity rounded to the 4 decimals the order
// table keeps, so that a quantity too small to be kept counts as 0: digits
// with at most one separator, where an empty text or a lone separator is 0.
// Nothing when the quantity is too large to be held as typed.
std::optional<double> quantityOf(const QString& display)
{
    const QString separator = QLocale().decimalPoint();
    const qsizetype at = display.indexOf(separator);
    QString whole = at < 0 ? display : display.left(at);
    const QString fraction = at < 0 ? QString() : display.mid(at + separator.size());
    while (whole.startsWith(u'0'))
        whole.remove(0, 1);
    if (whole.size() > WholeDigits)
        return std::nullopt;
    const QString plain = (whole.isEmpty() ? QStringLiteral("0") : whole) + u'.' + (fraction.isEmpty() ? QStringLiteral("0") : fraction);
    const double rounded = std::round(plain.toDouble() * 10000) / 10000;
    if (rounded >= QuantityLimit)
        return std::nullopt;
    return rounded;
}
} // namespace

void TForm_Main::Btn_KolvoClick()
{
    if (!OrderOpen || TKassa.LiveRowCount() == 0)
        return;
    if (ui().execModal(*Form_Klava) != QDialog::Accepted)
        return;

    const std::optional<double> quantity = quantityOf(Form_Klava->Edit1->text());
    if (!quantity) {
        ui().information(QStringLiteral("Слишком большое количество ! Количество должно быть меньше %1.")
                             .arg(QLocale().toString(QuantityLimit, 'f', 0)));
        return;
    }

    OrderScreenControls& screen = screenInUse();
    QPushButton* button = nullptr;
    const qint64 kod = TKassa.asInteger(KOD);
    for (int i = 1; i <= screen.tileCount(); ++i) {
        if (TileKod[i] == kod) {
            button = screen.tile(i).button;
            break;
        }
    }

    if (*quantity > 0) {
        TKassa.edit();
        TKassa.setDouble(KOLVO, *quantity);
        TKassa.post();
        if (button)
            button->setText(formatNumber(TKassa.asDouble(KOLVO), u"0.####"));
    } else {
        if (button) {
            button->setText(QString());
            button->hide();
        }
        TKassa.deleteRow();
    }
    ShowOrderTotal(TotalOn::BothScreens);
}
