// The grid model over a table view: formatted cells, following the table's
// current row, and staying still while detached for a search.
#include "order/localtable/local_table_model.h"
#include "order/localtable/number_format.h"
#include "order/localtable/prepare_local_tables.h"
#include "table_folder.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

class RussianLocale {
public:
    RussianLocale() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    ~RussianLocale() { QLocale::setDefault(QLocale::c()); }
};

class LocalTableModelFollow : public ::testing::Test {
protected:
    void SetUp() override
    {
        openTable(table, folder.writeEmpty());
        table.setCalculatedColumn(QStringLiteral("SUMMA"), TKassaCalcFields);
        appendOrderRow(table, 1, QStringLiteral("Чай"), 150.5, 1);
        appendOrderRow(table, 2, QStringLiteral("Суп"), 99.99, 0.33333);
        appendOrderRow(table, 3, QStringLiteral("Хлеб"), 3, 2.5);
        table.first();
        model.setColumns({{QStringLiteral("NAME"), QString(), QString()},
                          {QStringLiteral("CENA"), QString(), QString()},
                          {QStringLiteral("KOLVO"), QString(), QStringLiteral("0.###")},
                          {QStringLiteral("SUMMA"), QString(), QStringLiteral("0.00")}});
        model.setTable(&table);
        view.setModel(&model);
        // How a grid marks the table's current row.
        QObject::connect(&model, &LocalTableModel::currentRowChanged, &view,
                         [this](int row) { view.setCurrentIndex(model.index(row, 0)); });
        view.setCurrentIndex(model.index(model.currentRow(), 0));
    }
    QString cell(int row, int column) const { return model.index(row, column).data().toString(); }

    RussianLocale russian;
    TableFolder folder;
    LocalTable table;
    LocalTableModel model;
    QTableView view;
};

} // namespace

TEST(LocalTableNumberFormat, PatternsUseTheSystemSeparator)
{
    RussianLocale russian;
    struct Case {
        double value;
        const char16_t* pattern;
        QString text;
    };
    const Case cases[] = {
        {12.5, u"0.00", QStringLiteral("12,50")},    {0, u"0.00", QStringLiteral("0,00")},
        {-0.001, u"0.00", QStringLiteral("0,00")},   {1, u"0.####", QStringLiteral("1")},
        {1.5, u"0.####", QStringLiteral("1,5")},     {0.33333, u"0.####", QStringLiteral("0,3333")},
        {0.33333, u"0.###", QStringLiteral("0,333")}, {2.0004, u"0.###", QStringLiteral("2")},
        {-1.25, u"0.###", QStringLiteral("-1,25")},  {150.5, u"", QStringLiteral("150,5")},
        {100, u"", QStringLiteral("100")},           {0.3333, u"", QStringLiteral("0,3333")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatNumber(c.value, c.pattern), c.text) << c.value << " " << QStringView(c.pattern).toString().toStdString();
}

TEST_F(LocalTableModelFollow, CellsAreFormattedPerColumn)
{
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(cell(0, 0), QStringLiteral("Чай"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("150,5"));
    EXPECT_EQ(cell(0, 2), QStringLiteral("1"));
    EXPECT_EQ(cell(0, 3), QStringLiteral("150,50"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("0,333"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("33,33")); // 99.99 x 0.3333
    EXPECT_EQ(cell(2, 2), QStringLiteral("2,5"));
    EXPECT_EQ(model.index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight, Qt::AlignRight);
}

TEST_F(LocalTableModelFollow, GridFollowsTheCurrentRowAndRowChanges)
{
    EXPECT_EQ(view.currentIndex().row(), 0);
    table.next();
    EXPECT_EQ(view.currentIndex().row(), 1);

    table.edit();
    table.setDouble(QStringLiteral("KOLVO"), 4);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    table.post();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(cell(1, 2), QStringLiteral("4"));

    appendOrderRow(table, 4, QStringLiteral("Компот"), 5, 1);
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(view.currentIndex().row(), 3);
    table.deleteRow();
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(view.currentIndex().row(), 2);

    // A row chosen in the grid becomes the table's current row.
    model.setCurrentRow(0);
    EXPECT_EQ(table.asInteger(QStringLiteral("KOD")), 1);
}

TEST_F(LocalTableModelFollow, DetachedModelIsSilentDuringASearch)
{
    table.next();
    table.next();
    ASSERT_EQ(view.currentIndex().row(), 2);
    QSignalSpy current(&model, &LocalTableModel::currentRowChanged);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    model.detach();
    table.first();
    while (!table.atEnd() && table.asInteger(QStringLiteral("KOD")) != 2)
        table.next();
    EXPECT_EQ(current.count(), 0);
    EXPECT_EQ(reset.count(), 0);
    EXPECT_EQ(view.currentIndex().row(), 2);

    // Only the current row moved: the views follow it without a reset.
    model.attach();
    EXPECT_EQ(reset.count(), 0);
    ASSERT_EQ(current.count(), 1);
    EXPECT_EQ(current.at(0).at(0).toInt(), 1);
    EXPECT_EQ(view.currentIndex().row(), 1);

    // A value changed while detached is shown on attaching.
    model.detach();
    table.edit();
    table.setText(QStringLiteral("NAME"), QStringLiteral("Морс"));
    table.post();
    model.attach();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(cell(1, 0), QStringLiteral("Морс"));

    // Rows gone while detached show nothing until the model is attached.
    model.detach();
    while (table.LiveRowCount() > 0)
        table.deleteRow();
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_FALSE(model.index(2, 0).data().isValid());
    model.attach();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.currentRow(), -1);
}
