#pragma once

#include "storage/HistoryStore.h"

#include <QAbstractTableModel>
#include <QList>

// One item's stored rows for the history window's table, newest at the top, times in the
// user's own time zone. The time column's title names the zone as it was at the newest row; a
// time from the other side of a change to or from summer time names its own. Rows are read from the store a page at a
// time as the view scrolls down to them, and rows stored while it is shown come in at the top.
class HistoryTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Time, Price, Bids, Quantity, TimeLeft, EndTime, Seller, HighBidder, ColumnCount };
    static constexpr int PageRows = 200;

    explicit HistoryTableModel(HistoryStore& store, QObject* parent = nullptr);

    // Shows the item's newest rows (none for an empty number).
    void showItem(const QString& itemNumber);
    // Reads the rows stored since.
    void refresh();
    // Why the last read failed.
    const std::optional<HistoryError>& error() const { return m_error; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

Q_SIGNALS:
    void readFailed();

private:
    void rowsRead();

    HistoryStore& m_store;
    QString m_itemNumber;
    QList<Observation> m_rows; // newest first
    bool m_atEnd = true;
    std::optional<HistoryError> m_error;
    QString m_zone;
};
