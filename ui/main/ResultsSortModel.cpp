#include "ui/main/ResultsSortModel.h"

#include "core/ResultsModel.h"

ResultsSortModel::ResultsSortModel(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(ResultsModel::SortRole);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(true);
}

int ResultsSortModel::rank(const QModelIndex& index, const QVariant& key) const
{
    if (index.row() == sourceModel()->rowCount() - 1) {
        return 2;
    }
    return key.isValid() ? 0 : 1;
}

bool ResultsSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const QVariant leftKey = left.data(sortRole());
    const QVariant rightKey = right.data(sortRole());
    const int leftRank = rank(left, leftKey);
    const int rightRank = rank(right, rightKey);
    if (leftRank != rightRank) {
        // Descending order puts the greater first: the rank goes the other way round there, so
        // that the rows without values end up last either way.
        return (leftRank < rightRank) == (sortOrder() == Qt::AscendingOrder);
    }
    if (leftRank != 0) {
        return false;
    }
    if (leftKey.typeId() == QMetaType::Double && rightKey.typeId() == QMetaType::Double) {
        return leftKey.toDouble() < rightKey.toDouble();
    }
    return m_collator.compare(leftKey.toString(), rightKey.toString()) < 0;
}
