#pragma once

#include <QDialog>
#include <QString>

class Clock;
class HistoryStore;
class HistoryTableModel;
class Messages;
class PriceChart;
class QComboBox;
class QTableView;

// The price history of one item at a time: a chart of its price and bids over time above a
// table of every change stored. Rows the store adds while the window is open show at once.
// Either the item shown or every item can be exported as CSV.
class HistoryWindow : public QDialog
{
    Q_OBJECT
public:
    HistoryWindow(HistoryStore& store, Messages& messages, const Clock& clock, const QString& exportFolder,
                  QWidget* parent = nullptr);

    // Shows the item's history (an item without rows yet is offered all the same), in front.
    void showItem(const QString& itemNumber);
    QString itemNumber() const;

    PriceChart* chart() const { return m_chart; }
    HistoryTableModel* table() const { return m_model; }

private:
    void fillItems();
    void addItem(const QString& itemNumber);
    void load();
    void recorded(const QString& itemNumber);
    void exportRows(bool everyItem);

    HistoryStore& m_store;
    Messages& m_messages;
    const Clock& m_clock;
    QString m_exportFolder;
    QComboBox* m_items;
    PriceChart* m_chart;
    HistoryTableModel* m_model;
    QTableView* m_view;
};
