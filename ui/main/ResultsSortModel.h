#pragma once

#include <QCollator>
#include <QSortFilterProxyModel>

// The grid's rows in the order the user chose by clicking a column's header; the results
// themselves stay in list order. Numbers, prices and times are ordered by their value, names
// alphabetically without regard to case. Cells without a value follow the others and the blank
// row stays last, whichever way the column is sorted.
class ResultsSortModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit ResultsSortModel(QObject* parent = nullptr);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    // 0 for a cell with a value, 1 for one without, 2 for the blank row.
    int rank(const QModelIndex& index, const QVariant& key) const;

    QCollator m_collator;
};
