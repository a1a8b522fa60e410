#include "order/tform_spisok.h"

#include "order/button_pictures.h"
#include "order/tform_main.h"
#include "startup/application.h"
#include "startup/design.h"
#include "startup/forms.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

TForm_Spisok::TForm_Spisok()
    : TerminalDialog(QStringLiteral("Дополнительный список товаров"))
{
    setObjectName(QStringLiteral("Form_Spisok"));
    setFont(windowDefaultFont());
    setDesignedSize(771, 469);
    createControls();
    connectHandlers();
}

void TForm_Spisok::createControls()
{
    GridMenu = placeControl<QTableView>(this, QStringLiteral("GridMenu"), QRect(0, 0, 597, 417));
    GridMenu->setModel(&Form_Main->DSMenu);
    // The list is for choosing a dish; the cached rows are not edited here.
    GridMenu->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridMenu->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridMenu->setSelectionMode(QAbstractItemView::SingleSelection);
    GridMenu->setWordWrap(false);
    GridMenu->setFont(designFont(QStringLiteral("Arial"), 16, true));
    GridMenu->verticalHeader()->hide();
    GridMenu->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GridMenu->verticalHeader()->setDefaultSectionSize(22);
    QHeaderView* titles = GridMenu->horizontalHeader();
    titles->setFont(designFont(QStringLiteral("MS Sans Serif"), 11));
    QPalette blue = titles->palette();
    blue.setColor(QPalette::ButtonText, Qt::blue);
    titles->setPalette(blue);
    GridMenu->setColumnWidth(0, 425);
    GridMenu->setColumnWidth(1, 114);

    BitBtn1 = placeControl<QPushButton>(this, QStringLiteral("BitBtn1"), QRect(0, 420, 295, 49));
    BitBtn1->setText(QStringLiteral("OK"));
    BitBtn1->setDefault(true);
    BitBtn1->setIcon(buttonIcon(ButtonPicture::Ok));
    BitBtn2 = placeControl<QPushButton>(this, QStringLiteral("BitBtn2"), QRect(302, 420, 295, 49));
    BitBtn2->setText(QStringLiteral("Cancel"));
    BitBtn2->setIcon(buttonIcon(ButtonPicture::CancelCross));

    const int tops[] = {0, 52, 104, 156, 208, 260, 312, 364, 417};
    for (int k = 1; k <= 9; ++k)
        SectionButton[k] = placeControl<QPushButton>(this, QStringLiteral("Button%1").arg(k), QRect(600, tops[k - 1], 171, 52));
}

void TForm_Spisok::connectHandlers()
{
    connectHandler(BitBtn1, &QPushButton::clicked, this, &TForm_Spisok::accept);
    connectHandler(BitBtn2, &QPushButton::clicked, this, &TForm_Spisok::reject);
    for (int k = 1; k <= 9; ++k)
        connectHandler(SectionButton[k], &QPushButton::clicked, this, [this, button = SectionButton[k]] { Button1Click(button); });

    LocalTableModel& menu = Form_Main->DSMenu;
    connectHandler(GridMenu->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                   [&menu](const QModelIndex& current) { menu.setCurrentRow(current.row()); });
    connectHandler(&menu, &LocalTableModel::currentRowChanged, this, &TForm_Spisok::followCurrentRow);
    connectHandler(&menu, &QAbstractItemModel::modelReset, this, [this, &menu] { followCurrentRow(menu.currentRow()); });
    // A double-click anywhere in the grid, on a row or below the last one, confirms.
    GridMenu->viewport()->installEventFilter(this);
}

void TForm_Spisok::FormCreate()
{
    applyDialogScaleRule();
}

void TForm_Spisok::showEvent(QShowEvent* event)
{
    followCurrentRow(Form_Main->DSMenu.currentRow());
    TerminalDialog::showEvent(event);
}

bool TForm_Spisok::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == GridMenu->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // The dish double-clicked on is the one confirmed, even when the
        // first click of the pair did not reach the grid.
        const QModelIndex index = GridMenu->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (index.isValid())
            GridMenu->selectRow(index.row());
        BitBtn1->click();
        return true;
    }
    return TerminalDialog::eventFilter(watched, event);
}

void TForm_Spisok::followCurrentRow(int row)
{
    if (row < 0) {
        GridMenu->clearSelection();
        return;
    }
    GridMenu->selectRow(row);
    GridMenu->scrollTo(GridMenu->model()->index(row, 0));
}

void TForm_Spisok::Button1Click(QPushButton* sender)
{
    const int k = sender->objectName().mid(6, 1).toInt();
    OrderScreenControls& screen = TForm_Main::screenInUse();
    screen.PageControl1->setCurrentWidget(screen.TabSheet[k]);
    reject();
}
