#include "ui/dialogs/HistoryWindow.h"

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "storage/HistoryExport.h"
#include "storage/HistoryStore.h"
#include "ui/dialogs/HistoryTableModel.h"
#include "ui/dialogs/PriceChart.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

HistoryWindow::HistoryWindow(HistoryStore& store, Messages& messages, const Clock& clock, const QString& exportFolder,
                             QWidget* parent)
    : QDialog(parent, Qt::Window), m_store(store), m_messages(messages), m_clock(clock), m_exportFolder(exportFolder)
{
    setObjectName(QStringLiteral("historyWindow"));
    setWindowTitle(QStringLiteral("Price History"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_items = new QComboBox(this);
    m_items->setObjectName(QStringLiteral("itemChoice"));
    m_items->setAccessibleName(tr("Item"));
    m_items->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_items->setMinimumContentsLength(12);
    auto* itemLabel = new QLabel(QStringLiteral("&Item #:"), this);
    itemLabel->setBuddy(m_items);

    m_chart = new PriceChart(this);
    m_chart->setFocusPolicy(Qt::NoFocus);
    m_model = new HistoryTableModel(this);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("historyTable"));
    m_view->setAccessibleName(tr("Stored changes"));
    m_view->setModel(m_model);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setAlternatingRowColors(true);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_chart);
    splitter->addWidget(m_view);
    splitter->setChildrenCollapsible(false);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    auto* exportItem = new QPushButton(QStringLiteral("&Export Item..."), this);
    exportItem->setObjectName(QStringLiteral("exportItemButton"));
    auto* exportAll = new QPushButton(QStringLiteral("Export &All..."), this);
    exportAll->setObjectName(QStringLiteral("exportAllButton"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    for (QPushButton* button : {exportItem, exportAll, close}) {
        button->setAutoDefault(false);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(itemLabel);
    top->addWidget(m_items);
    top->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(exportItem);
    buttons->addWidget(exportAll);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    setTabOrder(m_items, m_view);
    setTabOrder(m_view, exportItem);
    setTabOrder(exportItem, exportAll);
    setTabOrder(exportAll, close);
    resize(920, 600);

    connect(m_items, &QComboBox::currentTextChanged, this, &HistoryWindow::load);
    connect(exportItem, &QPushButton::clicked, this, [this] { exportRows(false); });
    connect(exportAll, &QPushButton::clicked, this, [this] { exportRows(true); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(&m_store, &HistoryStore::recorded, this, &HistoryWindow::recorded);
    fillItems();
}

void HistoryWindow::showItem(const QString& itemNumber)
{
    if (!itemNumber.isEmpty()) {
        addItem(itemNumber);
        m_items->setCurrentText(itemNumber);
    }
    show();
    raise();
    activateWindow();
}

QString HistoryWindow::itemNumber() const
{
    return m_items->currentText();
}

void HistoryWindow::fillItems()
{
    m_items->addItems(m_store.itemNumbers());
}

// The list stays in order, as the store gives it, and holds each number once.
void HistoryWindow::addItem(const QString& itemNumber)
{
    int at = 0;
    while (at < m_items->count() && m_items->itemText(at) < itemNumber) {
        ++at;
    }
    if (at == m_items->count() || m_items->itemText(at) != itemNumber) {
        m_items->insertItem(at, itemNumber);
    }
}

void HistoryWindow::load()
{
    const QString item = itemNumber();
    m_model->setRows(item.isEmpty() ? QList<Observation>() : m_store.observations(item));
    m_chart->setRows(m_model->rows(), m_clock.now());
    m_view->scrollToBottom();
}

void HistoryWindow::recorded(const QString& itemNumber)
{
    addItem(itemNumber);
    if (itemNumber == this->itemNumber()) {
        load();
    }
}

void HistoryWindow::exportRows(bool everyItem)
{
    const QString item = itemNumber();
    if (!everyItem && item.isEmpty()) {
        return;
    }
    const QString name =
        everyItem ? QStringLiteral("Price History.csv")
                  : QStringLiteral("Price History ") + QString(item).replace(u'/', u'_') + QStringLiteral(".csv");
    auto* dialog = new QFileDialog(this,
                                   everyItem ? QStringLiteral("Export Every Item's History")
                                             : QStringLiteral("Export the History of Item #") + item,
                                   QDir(m_exportFolder).filePath(name), QStringLiteral("CSV files (*.csv)"));
    dialog->setObjectName(QStringLiteral("exportDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("csv"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, dialog, everyItem, item](int result) {
        const QString path = dialog->selectedFiles().value(0);
        if (result != QDialog::Accepted || path.isEmpty()) {
            return;
        }
        if (const auto error = exportHistory(m_store.observations(everyItem ? QString() : item), path)) {
            m_messages.show(
                {fileErrorText(QStringLiteral("Error with ") + QFileInfo(path).fileName() + QStringLiteral(" File"),
                               *error),
                 QStringLiteral("Error Saving File"), Message::Icon::Critical});
        }
    });
    dialog->open();
}
