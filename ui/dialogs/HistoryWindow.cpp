#include "ui/dialogs/HistoryWindow.h"

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Modules.h"
#include "storage/HistoryExport.h"
#include "storage/HistoryScan.h"
#include "storage/HistoryStore.h"
#include "ui/HistoryMessages.h"
#include "ui/dialogs/HistoryTableModel.h"
#include "ui/dialogs/PriceChartView.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

HistoryWindow::HistoryWindow(HistoryStore& store, Messages& messages, const Clock& clock, const QString& exportFolder,
                             QWidget* parent)
    : QDialog(parent, Qt::Window), m_store(store), m_messages(messages), m_clock(clock), m_exportFolder(exportFolder)
{
    setObjectName(QStringLiteral("historyWindow"));
    setWindowTitle(tr("Price History"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_items = new QComboBox(this);
    m_items->setObjectName(QStringLiteral("itemChoice"));
    m_items->setAccessibleName(tr("Item"));
    m_items->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_items->setMinimumContentsLength(12);
    auto* itemLabel = new QLabel(tr("&Item #:"), this);
    itemLabel->setBuddy(m_items);

    m_model = new HistoryTableModel(m_store, this);
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
    splitter->addWidget(makeChart());
    splitter->addWidget(m_view);
    splitter->setChildrenCollapsible(false);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    // An item without rows gets a sentence, not empty axes.
    m_nothing = new QLabel(this);
    m_nothing->setObjectName(QStringLiteral("nothingRecorded"));
    m_nothing->setAlignment(Qt::AlignCenter);
    m_nothing->setWordWrap(true);
    m_nothing->setTextFormat(Qt::PlainText);
    m_nothing->setMargin(24);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(splitter);
    m_pages->addWidget(m_nothing);

    m_exportItem = new QPushButton(tr("&Export Item..."), this);
    m_exportItem->setObjectName(QStringLiteral("exportItemButton"));
    m_exportAll = new QPushButton(tr("Export &All..."), this);
    m_exportAll->setObjectName(QStringLiteral("exportAllButton"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("exportProgress"));
    m_progress->setAccessibleName(tr("Export progress"));
    m_progress->setRange(0, 1000);
    m_progress->setTextVisible(false);
    m_progress->hide();
    m_cancelExport = new QPushButton(tr("&Cancel Export"), this);
    m_cancelExport->setObjectName(QStringLiteral("cancelExportButton"));
    m_cancelExport->hide();
    auto* close = new QPushButton(tr("C&lose"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    for (QPushButton* button : {m_exportItem, m_exportAll, m_cancelExport, close}) {
        button->setAutoDefault(false);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(itemLabel);
    top->addWidget(m_items);
    top->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_exportItem);
    buttons->addWidget(m_exportAll);
    buttons->addWidget(m_progress, 1);
    buttons->addWidget(m_cancelExport);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
    setTabOrder(m_items, m_view);
    setTabOrder(m_view, m_exportItem);
    setTabOrder(m_exportItem, m_exportAll);
    setTabOrder(m_exportAll, m_cancelExport);
    setTabOrder(m_cancelExport, close);
    resize(920, 600);

    connect(m_items, &QComboBox::currentTextChanged, this, &HistoryWindow::load);
    connect(m_exportItem, &QPushButton::clicked, this, [this] { chooseExportFile(ExportScope::ShownItem); });
    connect(m_exportAll, &QPushButton::clicked, this, [this] { chooseExportFile(ExportScope::EveryItem); });
    connect(m_cancelExport, &QPushButton::clicked, this, &HistoryWindow::endExport);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_model, &HistoryTableModel::readFailed, this, &HistoryWindow::showContent);
    connect(m_model, &HistoryTableModel::rowsInserted, this, &HistoryWindow::showContent);
    connect(&m_store, &HistoryStore::recorded, this, &HistoryWindow::recorded);
    fillItems();
    load();
}

HistoryWindow::~HistoryWindow()
{
    if (m_export) {
        m_export->finishNow();
    }
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
    const HistoryItemNumbers read = m_store.itemNumbers();
    m_readError =
        read.error ? historyErrorLine(*read.error) + QStringLiteral("\n\n") + historyAdvice(*read.error) : QString();
    const QSignalBlocker quiet(m_items);
    m_items->addItems(read.numbers);
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

// The chart comes from its module. Without the module the window says why and shows the table.
QWidget* HistoryWindow::makeChart()
{
    QString error;
    if (auto* module = Modules::load<PriceChartModule>(QStringLiteral("bidorra-chart"), error)) {
        m_chart = module->createChart(this);
        m_chart->widget()->setFocusPolicy(Qt::NoFocus);
        return m_chart->widget();
    }
    auto* missing = new QLabel(tr("The price chart could not be loaded: %1").arg(error), this);
    missing->setObjectName(QStringLiteral("chartMissing"));
    missing->setAlignment(Qt::AlignCenter);
    missing->setWordWrap(true);
    missing->setTextFormat(Qt::PlainText);
    return missing;
}

// The table reads its rows as they are shown; the chart reads all of the item's in slices
// and shows them when it has them.
void HistoryWindow::load()
{
    const QString item = itemNumber();
    m_model->showItem(item);
    delete m_chartScan;
    m_chartScan = nullptr;
    if (m_chart) {
        m_chart->clear();
        m_chart->showUntil(m_clock.now());
    }
    if (m_chart && !item.isEmpty()) {
        m_chartScan = new HistoryScan(m_store, item, this);
        connect(m_chartScan, &HistoryScan::rowsRead, this,
                [this](const QList<Observation>& rows) { m_chart->addRows(rows); });
        connect(m_chartScan, &HistoryScan::finished, this, [this] {
            m_chart->showUntil(m_clock.now());
            Q_EMIT chartShown();
        });
        m_chartScan->start();
    }
    showContent();
}

void HistoryWindow::recorded(const QString& itemNumber)
{
    addItem(itemNumber);
    if (itemNumber == this->itemNumber()) {
        m_model->refresh();
        if (m_chartScan) {
            m_chartScan->readOnward();
        }
    }
}

void HistoryWindow::showContent()
{
    if (m_model->rowCount() > 0) {
        m_pages->setCurrentIndex(0);
        return;
    }
    const QString item = itemNumber();
    QString text;
    if (const std::optional<HistoryError>& error = m_model->error()) {
        text = tr("The history could not be read.") + QStringLiteral("\n\n") + historyErrorLine(*error) +
               QStringLiteral("\n\n") + historyAdvice(*error);
    } else if (item.isEmpty() && !m_readError.isEmpty()) {
        text = tr("The history could not be read.") + QStringLiteral("\n\n") + m_readError;
    } else if (item.isEmpty()) {
        text = tr("Nothing has been recorded yet.\n\nFrom the first round after Start, Bidorra keeps here every "
                  "change of an item's price, bids and the rest, with the time it saw it.");
    } else {
        text = tr("Nothing has been recorded for item #%1 yet.\n\nBidorra keeps every change of its price, bids "
                  "and the rest from the next round that reads its page.")
                   .arg(item);
    }
    m_nothing->setText(text);
    m_pages->setCurrentIndex(1);
}

void HistoryWindow::chooseExportFile(ExportScope scope)
{
    const bool everyItem = scope == ExportScope::EveryItem;
    const QString item = itemNumber();
    if (m_export || (!everyItem && item.isEmpty())) {
        return;
    }
    const QString name =
        everyItem ? tr("Price History.csv") : tr("Price History %1.csv").arg(QString(item).replace(u'/', u'_'));
    auto* dialog = new QFileDialog(
        this, everyItem ? tr("Export Every Item's History") : tr("Export the History of Item #%1").arg(item),
        QDir(m_exportFolder).filePath(name), tr("CSV files (*.csv)"));
    dialog->setObjectName(QStringLiteral("exportDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("csv"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, dialog, scope](int result) {
        const QString path = dialog->selectedFiles().value(0);
        if (result == QDialog::Accepted && !path.isEmpty()) {
            exportTo(path, scope);
        }
    });
    dialog->open();
}

void HistoryWindow::exportTo(const QString& path, ExportScope scope)
{
    if (m_export) {
        return;
    }
    m_export = new HistoryExport(m_store, scope == ExportScope::EveryItem ? QString() : itemNumber(), path, this);
    connect(m_export, &HistoryExport::progressed, this, [this] {
        const qint64 total = std::max<qint64>(m_export->total(), 1);
        m_progress->setValue(static_cast<int>(std::min<qint64>(m_export->done() * 1000 / total, 1000)));
    });
    connect(m_export, &HistoryExport::finished, this, &HistoryWindow::exportFinished);
    m_exportItem->setEnabled(false);
    m_exportAll->setEnabled(false);
    m_progress->setValue(0);
    m_progress->show();
    m_cancelExport->show();
    m_export->start();
}

void HistoryWindow::exportFinished(const QString& failedFile, const std::optional<FileError>& error)
{
    // It is inside its own signal: it goes once that returns.
    m_export->deleteLater();
    m_export = nullptr;
    endExport();
    if (error) {
        m_messages.show({fileErrorText(tr("Error with %1 File").arg(failedFile), *error), tr("Error Saving File"),
                         Message::Icon::Critical});
    }
}

// Cancel drops the export: its file never takes the target's place.
void HistoryWindow::endExport()
{
    delete m_export;
    m_export = nullptr;
    m_progress->hide();
    m_cancelExport->hide();
    m_exportItem->setEnabled(true);
    m_exportAll->setEnabled(true);
    Q_EMIT exportEnded();
}
