#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <array>
#include <vector>

// The results grid: one row of eight texts per watched item and one blank row below them.
// After a reset it holds no rows and only the header shows. Texts stay until they are written
// again: the price shown is what the next page's price is compared with.
class ResultsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { ItemNumber, Seller, HighBidder, Price, EndTime, TimeLeft, Quantity, Bids, ColumnCount };

    explicit ResultsModel(QObject* parent = nullptr);

    static QString header(int column);

    // Back to the header alone; every row and its texts go.
    void reset();
    // Rows for count items plus the blank row below them; rows that stay keep their texts.
    void setItemCount(int count);
    // Rows of items, not counting the blank row; 0 after a reset.
    int itemRows() const { return m_rows.empty() ? 0 : static_cast<int>(m_rows.size()) - 1; }

    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    using Row = std::array<QString, ColumnCount>;
    std::vector<Row> m_rows;
};
