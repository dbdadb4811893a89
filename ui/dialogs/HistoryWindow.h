#pragma once

#include "storage/FileError.h"

#include <QDialog>
#include <QString>
#include <optional>

class Clock;
class HistoryExport;
class HistoryScan;
class HistoryStore;
class HistoryTableModel;
class Messages;
class PriceChartView;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTableView;

// The price history of one item at a time: a chart of its price and bids over time above a
// table of every change stored, newest first. Rows the store adds while the window is open
// show at once; a window with nothing to show says so. Either the item shown or every item
// can be exported as CSV, with a progress bar and Cancel while it runs.
class HistoryWindow : public QDialog
{
    Q_OBJECT
public:
    HistoryWindow(HistoryStore& store, Messages& messages, const Clock& clock, const QString& exportFolder,
                  QWidget* parent = nullptr);
    // An export under way completes first: nothing half done is left behind.
    ~HistoryWindow() override;

    // Shows the item's history (an item without rows yet is offered all the same), in front.
    void showItem(const QString& itemNumber);
    QString itemNumber() const;
    enum class ExportScope { ShownItem, EveryItem };
    void exportTo(const QString& path, ExportScope scope);
    bool isExporting() const { return m_export != nullptr; }

    // The chart, or nullptr when its module could not be loaded.
    PriceChartView* chart() const { return m_chart; }
    HistoryTableModel* table() const { return m_model; }

Q_SIGNALS:
    void chartShown();
    void exportEnded();

private:
    QWidget* makeChart();
    void fillItems();
    void addItem(const QString& itemNumber);
    void load();
    void recorded(const QString& itemNumber);
    void showContent();
    void chooseExportFile(ExportScope scope);
    void exportFinished(const QString& failedFile, const std::optional<FileError>& error);
    void endExport();

    HistoryStore& m_store;
    Messages& m_messages;
    const Clock& m_clock;
    QString m_exportFolder;
    QComboBox* m_items;
    QStackedWidget* m_pages;
    QLabel* m_nothing;
    PriceChartView* m_chart = nullptr;
    HistoryTableModel* m_model;
    QTableView* m_view;
    QPushButton* m_exportItem;
    QPushButton* m_exportAll;
    QProgressBar* m_progress;
    QPushButton* m_cancelExport;
    HistoryScan* m_chartScan = nullptr;
    HistoryExport* m_export = nullptr;
    QString m_readError;
};
