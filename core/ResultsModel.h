#pragma once

#include <QAbstractTableModel>
#include <QDateTime>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

// Why the last look at an item brought no page.
struct ItemProblem
{
    QString message;    // the message's text, as its box shows it
    QString cause = {}; // what went wrong with the transfer, in plain words; empty when the site answered
    QDateTime time = {};

    friend bool operator==(const ItemProblem&, const ItemProblem&) = default;
};

// The results grid: one row of eight texts per watched item and one blank row below them.
// After a reset it holds no rows and only the header shows. Texts stay until they are written
// again: the price shown is what the next page's price is compared with. Each row also carries
// what the latest look at its item left besides the texts: a problem, or a price that changed.
class ResultsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { ItemNumber, Seller, HighBidder, Price, EndTime, TimeLeft, Quantity, Bids, ColumnCount };
    // For the view: true on the Item # cell of a row with a problem, and on the price cell of a
    // row whose price changed in the latest cycle. SortRole: what a cell is ordered by, a number
    // (counts as numbers, a price by its amount, times in seconds) or, for names, the text;
    // nothing for a cell that shows no such value.
    enum Role { MarkRole = Qt::UserRole + 1, SortRole };

    struct RowState
    {
        std::optional<ItemProblem> problem = {};
        std::optional<QString> previousPrice = {}; // the price changed in the latest cycle; it was this

        friend bool operator==(const RowState&, const RowState&) = default;
    };
    // The texts a page gave; an empty entry leaves its cell as it is.
    using Texts = std::array<std::optional<QString>, ColumnCount>;

    explicit ResultsModel(QObject* parent = nullptr);

    // A column's title as files keep it, in English whatever the user's language.
    static QString header(int column);

    // Back to the header alone; every row and its texts go.
    void reset();
    // Rows for count items plus the blank row below them; rows that stay keep their texts.
    void setItemCount(int count);
    // Rows of items, not counting the blank row; 0 after a reset.
    int itemRows() const { return m_rows.empty() ? 0 : static_cast<int>(m_rows.size()) - 1; }

    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    RowState state(int row) const;
    // The outcome of one look at an item: its texts and its state, told to the views in one
    // change that spans only the cells that changed.
    void setRow(int row, const Texts& texts, const RowState& state);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Row
    {
        std::array<QString, ColumnCount> texts;
        RowState state;
    };
    // What the cell's tooltip and accessible description say of its row's state; empty for none.
    QStringList stateLines(const QModelIndex& index) const;
    QVariant sortKey(const QModelIndex& index) const;

    std::vector<Row> m_rows;
};
