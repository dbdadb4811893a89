#pragma once

#include "storage/HistoryStore.h"

#include <QAbstractTableModel>
#include <QList>

// One item's stored rows for the history window's table, oldest at the top, times in the
// user's own time zone.
class HistoryTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Time, Price, Bids, Quantity, TimeLeft, EndTime, Seller, HighBidder, ColumnCount };

    explicit HistoryTableModel(QObject* parent = nullptr);

    void setRows(const QList<Observation>& rows);
    const QList<Observation>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<Observation> m_rows;
};
