#pragma once

#include <QTableView>

class ColumnFitter;
class ResultsModel;

// The grid of watched items. Columns are fitted to their widest text; Enter or a double-click
// on a row asks for that item's page.
class ResultsView : public QTableView
{
    Q_OBJECT
public:
    explicit ResultsView(ResultsModel& results, QWidget* parent = nullptr);

    // The width the columns need for the texts item pages usually show.
    int preferredWidth() const;

Q_SIGNALS:
    void itemActivated(const QString& itemNumber);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void activate(const QModelIndex& index);
    void applyWidths();
    void makeFitter();

    ResultsModel& m_results;
    ColumnFitter* m_fitter = nullptr;
};
