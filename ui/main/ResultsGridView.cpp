#include "ui/main/ResultsGridView.h"

#include "core/AppState.h"
#include "core/ResultsGrid.h"
#include "core/SiteHost.h"
#include "platform/Shell.h"
#include "ui/main/Twips.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QMouseEvent>
#include <cmath>

ResultsGridView::ResultsGridView(ResultsGrid& grid, CycleState& cycle, Shell& shell, QString siteHost,
                                 const QFont& font, QWidget* parent)
    : QTableView(parent), m_grid(grid), m_cycle(cycle), m_shell(shell), m_siteHost(std::move(siteHost))
{
    setObjectName(QStringLiteral("MSFlexGrid1"));
    setAccessibleName(QStringLiteral("Watched auctions"));
    setFont(font);
    setModel(&m_grid);
    verticalHeader()->hide();
    // Compact rows, one line of text each, as a grid of figures wants them.
    const int rowHeight = QFontMetrics(font).height() + 6;
    verticalHeader()->setMinimumSectionSize(rowHeight);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The cycle moves the current cell across the whole grid; the view must not chase it.
    setAutoScroll(false);

    // Measured in the window's font at this screen's resolution; captured by value so that
    // the model never calls back into a view that is gone.
    const QFontMetricsF metrics(font, this);
    const double twipsPerPixel = Twips::fromPixelsX(*this, 1.0);
    m_grid.setTextMeasure(
        [metrics, twipsPerPixel](const QString& text) { return metrics.horizontalAdvance(text) * twipsPerPixel; });

    connect(&m_grid, &ResultsGrid::columnWidthsChanged, this, &ResultsGridView::applyColumnWidths);
    connect(&m_grid, &ResultsGrid::currentCellChanged, this, &ResultsGridView::showCurrentCell);
    applyColumnWidths();
    showCurrentCell(m_grid.row(), m_grid.col());
}

void ResultsGridView::applyColumnWidths()
{
    // Columns are placed by their running sum, so that the rounding of single columns does not
    // add up to a grid that is wider than the twips say.
    double edge = 0;
    int left = 0;
    for (int c = 0; c < ResultsGrid::ColumnCount; ++c) {
        edge += m_grid.columnWidth(c);
        const int right = Twips::toPixelsX(*this, edge);
        setColumnWidth(c, right - left);
        left = right;
    }
}

void ResultsGridView::showCurrentCell(int row, int col)
{
    // Row 0 is the header, which is not a cell of the view.
    if (row >= 1 && row < m_grid.rows()) {
        selectionModel()->setCurrentIndex(m_grid.index(row - 1, col), QItemSelectionModel::ClearAndSelect);
    } else {
        selectionModel()->clear();
    }
}

bool ResultsGridView::workingCellInGrid() const
{
    const int row = m_cycle.CurrentRow.value_or(0);
    return row >= 0 && row < m_grid.rows() && m_cycle.CurrentCol >= 0 && m_cycle.CurrentCol < ResultsGrid::ColumnCount;
}

void ResultsGridView::returnToWorkingCell()
{
    m_grid.setRow(m_cycle.CurrentRow.value_or(0));
    m_grid.setCol(m_cycle.CurrentCol);
}

void ResultsGridView::gridClicked()
{
    if (m_grid.rows() > 1 && workingCellInGrid()) {
        returnToWorkingCell();
    }
}

void ResultsGridView::gridDoubleClicked(int row)
{
    if (!workingCellInGrid() || row < 0 || row >= m_grid.rows()) {
        return;
    }
    const QString itemNumber = m_grid.text(row, 0);
    returnToWorkingCell();
    if (!itemNumber.isEmpty()) {
        m_shell.open(itemPageUrl(m_siteHost, itemNumber));
    }
}

void ResultsGridView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        gridClicked();
    }
}

void ResultsGridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) {
        gridDoubleClicked(index.row() + 1);
    } else {
        // Not on a row: the press that came with it only needs the working cell back.
        gridClicked();
    }
}

void ResultsGridView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    updateGridWidth();
}

void ResultsGridView::updateGridWidth()
{
    // The room the columns may fill: the grid without its frame and scroll bars.
    m_grid.setGridWidthTwips(static_cast<int>(std::floor(Twips::fromPixelsX(*this, maximumViewportSize().width()))));
}
