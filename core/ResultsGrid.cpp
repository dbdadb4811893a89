#include "core/ResultsGrid.h"

#include "core/Failure.h"

#include <cmath>

const std::array<QString, ResultsGrid::ColumnCount> ResultsGrid::Headers = {
    QStringLiteral("Item #"),    QStringLiteral("Seller"),    QStringLiteral("Highest Bidder"),
    QStringLiteral("Current $"), QStringLiteral("Time Ends"), QStringLiteral("Time Left"),
    QStringLiteral("Quantity"),  QStringLiteral("# of bids")};

ResultsGrid::ResultsGrid(QObject* parent) : QAbstractTableModel(parent)
{
    m_cells.resize(1);
    m_cellWidths.resize(1);
    remember(0);
}

void ResultsGrid::setRows(int count)
{
    if (count < 1) {
        throw Failure(QStringLiteral("Invalid Row value"));
    }
    const int old = rows();
    if (count > old) {
        beginInsertRows({}, old - 1, count - 2);
        m_cells.resize(count);
        m_cellWidths.resize(count);
        for (int r = old; r < count; ++r) {
            remember(r);
        }
        endInsertRows();
    } else if (count < old) {
        beginRemoveRows({}, count - 1, old - 2);
        for (int r = count; r < old; ++r) {
            forget(r);
        }
        m_cells.resize(count);
        m_cellWidths.resize(count);
        endRemoveRows();
    }
    if (m_row >= count) {
        setRow(count - 1);
    }
}

void ResultsGrid::setRow(int row)
{
    if (row < 0 || row >= rows()) {
        throw Failure(QStringLiteral("Invalid Row value"));
    }
    m_row = row;
    Q_EMIT currentCellChanged(m_row, m_col);
}

void ResultsGrid::setCol(int col)
{
    if (col < 0 || col >= ColumnCount) {
        throw Failure(QStringLiteral("Invalid Column value"));
    }
    m_col = col;
    Q_EMIT currentCellChanged(m_row, m_col);
}

QString ResultsGrid::text(int row, int col) const
{
    if (row < 0 || row >= rows() || col < 0 || col >= ColumnCount) {
        throw Failure(QStringLiteral("Subscript out of range"));
    }
    return m_cells[row][col];
}

void ResultsGrid::setText(int row, int col, const QString& text)
{
    if (row < 0 || row >= rows() || col < 0 || col >= ColumnCount) {
        throw Failure(QStringLiteral("Subscript out of range"));
    }
    if (m_cells[row][col] == text) {
        return;
    }
    auto& counts = m_widthCounts[col];
    const int oldWidth = m_cellWidths[row][col];
    if (--counts[oldWidth] == 0) {
        counts.erase(oldWidth);
    }
    m_cells[row][col] = text;
    const int width = measure(text);
    m_cellWidths[row][col] = width;
    ++counts[width];
    if (row == 0) {
        Q_EMIT headerDataChanged(Qt::Horizontal, col, col);
    } else {
        const QModelIndex cell = index(row - 1, col);
        Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole});
    }
}

void ResultsGrid::setTextMeasure(TextMeasure measure)
{
    m_measure = std::move(measure);
    for (int r = 0; r < rows(); ++r) {
        forget(r);
        remember(r);
    }
}

void ResultsGrid::ResetGrid()
{
    setRows(1);
    setRow(0);
    for (int c = 0; c < ColumnCount; ++c) {
        setCol(c);
        setCellText(Headers[c]);
    }
    FitGridColumns();
}

void ResultsGrid::FitGridColumns()
{
    int total = 0;
    for (int c = 0; c < ColumnCount; ++c) {
        // Every column has at least one cell (the header row), so the map is never empty.
        m_widths[c] = m_widthCounts[c].rbegin()->first;
        total += m_widths[c];
    }
    if (total < m_gridWidth) {
        const int extra = (m_gridWidth - total) / ColumnCount;
        for (int& width : m_widths) {
            width += extra;
        }
    }
    // Fitting walks the cells, so the current cell ends at the last row and column.
    m_row = rows() - 1;
    m_col = ColumnCount - 1;
    Q_EMIT currentCellChanged(m_row, m_col);
    Q_EMIT columnWidthsChanged();
}

int ResultsGrid::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows() - 1;
}

int ResultsGrid::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultsGrid::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole) {
        return {};
    }
    return m_cells[index.row() + 1][index.column()];
}

QVariant ResultsGrid::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) {
        return {};
    }
    return m_cells[0][section];
}

int ResultsGrid::measure(const QString& text) const
{
    const double twips = m_measure && !text.isEmpty() ? m_measure(text) : 0.0;
    return static_cast<int>(std::lround(twips + CellPadding));
}

void ResultsGrid::forget(int row)
{
    for (int c = 0; c < ColumnCount; ++c) {
        auto& counts = m_widthCounts[c];
        const int width = m_cellWidths[row][c];
        if (--counts[width] == 0) {
            counts.erase(width);
        }
    }
}

void ResultsGrid::remember(int row)
{
    for (int c = 0; c < ColumnCount; ++c) {
        const int width = measure(m_cells[row][c]);
        m_cellWidths[row][c] = width;
        ++m_widthCounts[c][width];
    }
}
