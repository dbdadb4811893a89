#include "ui/main/ColumnFitter.h"

#include <QAbstractItemModel>
#include <algorithm>
#include <numeric>

ColumnFitter::ColumnFitter(const QAbstractItemModel& model, CellMeasure measureCell, Measure measureHeader,
                           QObject* parent)
    : QObject(parent), m_model(model), m_measureCell(std::move(measureCell)), m_measureHeader(std::move(measureHeader))
{
    connect(&m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
                    for (int column = topLeft.column(); column <= bottomRight.column(); ++column) {
                        cellChanged(row, column);
                    }
                }
                fit();
            });
    connect(&m_model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        countRows(first, last);
        fit();
    });
    connect(&m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) { uncountRows(first, last); });
    connect(&m_model, &QAbstractItemModel::rowsRemoved, this, &ColumnFitter::fit);
    connect(&m_model, &QAbstractItemModel::modelReset, this, [this] {
        recountAll();
        fit();
    });
    recountAll();
    fit();
}

void ColumnFitter::setAvailableWidth(int width)
{
    if (m_available != width) {
        m_available = width;
        fit();
    }
}

void ColumnFitter::setKeptWidths(const KeptWidths& kept)
{
    if (m_kept != kept) {
        m_kept = kept;
        fit();
    }
}

std::array<int, ColumnFitter::Columns> ColumnFitter::shareOut(std::array<int, Columns> widths, const KeptWidths& kept,
                                                              int available)
{
    int fitted = 0;
    for (int column = 0; column < Columns; ++column) {
        widths[column] = kept[column].value_or(widths[column]);
        fitted += kept[column] ? 0 : 1;
    }
    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    if (total < available && fitted > 0) {
        const int extra = (available - total) / fitted;
        for (int column = 0; column < Columns; ++column) {
            widths[column] += kept[column] ? 0 : extra;
        }
    }
    return widths;
}

void ColumnFitter::countRows(int first, int last)
{
    m_cells.insert(m_cells.begin() + first, last - first + 1, {});
    for (int row = first; row <= last; ++row) {
        for (int column = 0; column < Columns; ++column) {
            Cell& cell = m_cells[row][column];
            cell.text = m_model.index(row, column).data().toString();
            cell.width = m_measureCell(column, cell.text);
            count(column, cell.width, +1);
        }
    }
}

void ColumnFitter::uncountRows(int first, int last)
{
    for (int row = first; row <= last; ++row) {
        for (int column = 0; column < Columns; ++column) {
            count(column, m_cells[row][column].width, -1);
        }
    }
    m_cells.erase(m_cells.begin() + first, m_cells.begin() + last + 1);
}

void ColumnFitter::recountAll()
{
    m_cells.clear();
    for (int column = 0; column < Columns; ++column) {
        m_widthCounts[column].clear();
        count(column, m_measureHeader(m_model.headerData(column, Qt::Horizontal).toString()), +1);
    }
    if (m_model.rowCount() > 0) {
        countRows(0, m_model.rowCount() - 1);
    }
}

void ColumnFitter::cellChanged(int row, int column)
{
    if (row < 0 || row >= static_cast<int>(m_cells.size()) || column < 0 || column >= Columns) {
        return;
    }
    Cell& cell = m_cells[row][column];
    QString text = m_model.index(row, column).data().toString();
    if (text == cell.text) {
        return;
    }
    count(column, cell.width, -1);
    cell.text = std::move(text);
    cell.width = m_measureCell(column, cell.text);
    count(column, cell.width, +1);
}

void ColumnFitter::count(int column, int width, int delta)
{
    auto& counts = m_widthCounts[column];
    if ((counts[width] += delta) <= 0) {
        counts.erase(width);
    }
}

void ColumnFitter::fit()
{
    for (int column = 0; column < Columns; ++column) {
        // The header is always counted, so no column is without a width.
        m_widest[column] = m_widthCounts[column].rbegin()->first;
    }
    const std::array<int, Columns> widths = shareOut(m_widest, m_kept, m_available);
    if (widths != m_widths) {
        m_widths = widths;
        Q_EMIT widthsChanged();
    }
}
