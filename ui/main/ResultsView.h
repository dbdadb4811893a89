#pragma once

#include "ui/main/ColumnFitter.h"

#include <QTableView>

class ResultsModel;
class ResultsSortModel;

// The grid of watched items. A click on a column's header sorts the rows by it, a second click
// the other way round, a third brings back the list's order. Columns are fitted to their widest
// text, except a column the user sized by dragging its edge: it keeps that width until its edge
// is double-clicked. Enter or a double-click on a row asks for that item's page. A row whose last check failed shows a
// problem sign before its number, a price that changed in the latest cycle stands out; their tooltips say more. With no
// rows, the grid says how to fill it.
class ResultsView : public QTableView
{
    Q_OBJECT
public:
    explicit ResultsView(ResultsModel& results, QWidget* parent = nullptr);

    // The width the columns need for the texts item pages usually show.
    int preferredWidth() const;
    // What the empty grid says, on screen and to a screen reader.
    void setEmptyHint(const QString& hint);
    QString emptyHint() const { return m_emptyHint; }
    // The item number of the current row; empty for none and for the blank row.
    QString currentItemNumber() const;
    // The widths the user gave columns, one for each column; 0 for a column that is fitted.
    QList<int> keptWidths() const;
    void setKeptWidths(const QList<int>& widths);

Q_SIGNALS:
    void itemActivated(const QString& itemNumber);
    void keptWidthsChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void activate(const QModelIndex& index);
    void applyWidths();
    ColumnFitter::CellMeasure cellMeasure() const;
    void makeFitter();
    void rowsCounted();
    void sectionResized(int column, int oldWidth, int newWidth);
    void fitColumn(int column);

    ResultsModel& m_results;
    ResultsSortModel* m_sorted;
    ColumnFitter* m_fitter = nullptr;
    ColumnFitter::KeptWidths m_kept{};
    bool m_applyingWidths = false;
    QString m_emptyHint;
};
