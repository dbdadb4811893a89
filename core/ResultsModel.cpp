#include "core/ResultsModel.h"

ResultsModel::ResultsModel(QObject* parent) : QAbstractTableModel(parent) {}

QString ResultsModel::header(int column)
{
    static const std::array<QString, ColumnCount> headers = {
        QStringLiteral("Item #"),    QStringLiteral("Seller"),    QStringLiteral("Highest Bidder"),
        QStringLiteral("Current $"), QStringLiteral("Time Ends"), QStringLiteral("Time Left"),
        QStringLiteral("Quantity"),  QStringLiteral("# of bids")};
    return column >= 0 && column < ColumnCount ? headers[column] : QString();
}

void ResultsModel::reset()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void ResultsModel::setItemCount(int count)
{
    const int wanted = count + 1;
    const int old = static_cast<int>(m_rows.size());
    if (wanted > old) {
        beginInsertRows({}, old, wanted - 1);
        m_rows.resize(wanted);
        endInsertRows();
    } else if (wanted < old) {
        beginRemoveRows({}, wanted, old - 1);
        m_rows.resize(wanted);
        endRemoveRows();
    }
}

QString ResultsModel::text(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= ColumnCount) {
        return {};
    }
    return m_rows[row][column];
}

void ResultsModel::setText(int row, int column, const QString& text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= ColumnCount || m_rows[row][column] == text) {
        return;
    }
    m_rows[row][column] = text;
    const QModelIndex cell = index(row, column);
    Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole});
}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
        return {};
    }
    return m_rows[index.row()][index.column()];
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return header(section);
}
