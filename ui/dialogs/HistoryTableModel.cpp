#include "ui/dialogs/HistoryTableModel.h"

#include "ui/ZoneName.h"

#include <algorithm>
#include <limits>

namespace {
constexpr PageField ColumnFields[] = {PageField::Price,   PageField::Bids,   PageField::Quantity,  PageField::TimeLeft,
                                      PageField::EndTime, PageField::Seller, PageField::HighBidder};
} // namespace

HistoryTableModel::HistoryTableModel(HistoryStore& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store), m_zone(zoneName(QDateTime::currentDateTimeUtc()))
{}

// The zone the title names follows the newest row.
void HistoryTableModel::rowsRead()
{
    const QString zone = zoneName(m_rows.isEmpty() ? QDateTime::currentDateTimeUtc() : m_rows.first().time);
    if (zone != m_zone) {
        m_zone = zone;
        Q_EMIT headerDataChanged(Qt::Horizontal, Time, Time);
    }
}

void HistoryTableModel::showItem(const QString& itemNumber)
{
    beginResetModel();
    m_itemNumber = itemNumber;
    m_rows.clear();
    m_error.reset();
    m_atEnd = itemNumber.isEmpty();
    endResetModel();
    fetchMore({});
    rowsRead();
}

void HistoryTableModel::refresh()
{
    if (m_itemNumber.isEmpty()) {
        return;
    }
    if (m_rows.isEmpty()) {
        showItem(m_itemNumber);
        return;
    }
    const HistoryRows read = m_store.rowsAfter(m_itemNumber, m_rows.first().id, std::numeric_limits<qint64>::max(),
                                               std::numeric_limits<int>::max());
    m_error = read.error;
    if (read.error) {
        Q_EMIT readFailed();
        return;
    }
    if (read.rows.isEmpty()) {
        return;
    }
    beginInsertRows({}, 0, static_cast<int>(read.rows.size()) - 1);
    QList<Observation> newest(read.rows.crbegin(), read.rows.crend());
    m_rows = newest + m_rows;
    endInsertRows();
    rowsRead();
}

bool HistoryTableModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !m_atEnd;
}

void HistoryTableModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent)) {
        return;
    }
    const HistoryRows read = m_store.rowsBefore(m_itemNumber, m_rows.isEmpty() ? 0 : m_rows.last().id, PageRows);
    m_error = read.error;
    m_atEnd = read.error || read.rows.size() < PageRows;
    if (read.error) {
        Q_EMIT readFailed();
        return;
    }
    if (read.rows.isEmpty()) {
        return;
    }
    const int first = static_cast<int>(m_rows.size());
    beginInsertRows({}, first, first + static_cast<int>(read.rows.size()) - 1);
    m_rows += read.rows;
    endInsertRows();
}

int HistoryTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int HistoryTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size()) {
        return {};
    }
    const Observation& row = m_rows.at(index.row());
    if (index.column() == Time) {
        if (role == Qt::DisplayRole) {
            const QString local = row.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            const QString zone = zoneName(row.time);
            return zone == m_zone ? local : local + u' ' + zone;
        }
        if (role == Qt::ToolTipRole) {
            return row.time.toUTC().toString(Qt::ISODate);
        }
        return {};
    }
    if (role == Qt::DisplayRole) {
        return row.value(ColumnFields[index.column() - 1]).value_or(QString());
    }
    return {};
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case Time:
        return tr("Time (%1)").arg(m_zone);
    case Price:
        return tr("Price");
    case Bids:
        return tr("Bids");
    case Quantity:
        return tr("Quantity");
    case TimeLeft:
        return tr("Time Left");
    case EndTime:
        return tr("Time Ends");
    case Seller:
        return tr("Seller");
    default:
        return tr("High Bidder");
    }
}
