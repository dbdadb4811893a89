#pragma once

#include "ui/main/ColumnFitter.h"

#include <QTableView>

class ResultsModel;

// The grid of watched items. Columns are fitted to their widest text; Enter or a double-click
// on a row asks for that item's page. A row whose last check failed shows a problem sign before
// its number, a price that changed in the latest cycle stands out; their tooltips say more.
// With no rows, the grid says how to fill it.
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

Q_SIGNALS:
    void itemActivated(const QString& itemNumber);

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

    ResultsModel& m_results;
    ColumnFitter* m_fitter = nullptr;
    QString m_emptyHint;
};
