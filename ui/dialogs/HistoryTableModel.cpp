#include "ui/dialogs/HistoryTableModel.h"

namespace {
constexpr PageField ColumnFields[] = {PageField::Price,   PageField::Bids,   PageField::Quantity,  PageField::TimeLeft,
                                      PageField::EndTime, PageField::Seller, PageField::HighBidder};
} // namespace

HistoryTableModel::HistoryTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void HistoryTableModel::setRows(const QList<Observation>& rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
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
            return row.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
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
    static const QString headers[] = {QStringLiteral("Time"),      QStringLiteral("Price"),
                                      QStringLiteral("Bids"),      QStringLiteral("Quantity"),
                                      QStringLiteral("Time Left"), QStringLiteral("Time Ends"),
                                      QStringLiteral("Seller"),    QStringLiteral("High Bidder")};
    return headers[section];
}
