#pragma once

#include <QTableView>

class QFont;
class ResultsGrid;
class Shell;
struct CycleState;

// The results grid `MSFlexGrid1` on screen. The model's current cell is the grid's current
// cell, shown as the view's selection; the user can look and click, never edit.
class ResultsGridView : public QTableView
{
    Q_OBJECT
public:
    ResultsGridView(ResultsGrid& grid, CycleState& cycle, Shell& shell, QString siteHost, const QFont& font,
                    QWidget* parent = nullptr);

    // The grid's click reaction: the current cell goes back to the working cell.
    void gridClicked();
    // The grid's double-click reaction on grid row `row` (the header is row 0).
    void gridDoubleClicked(int row);
    // Tells the model how wide the grid is. A hidden widget gets no resize events, so the
    // main window also calls this when it places the grid.
    void updateGridWidth();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool workingCellInGrid() const;
    void returnToWorkingCell();
    void applyColumnWidths();
    void showCurrentCell(int row, int col);

    ResultsGrid& m_grid;
    CycleState& m_cycle;
    Shell& m_shell;
    QString m_siteHost;
};
