#pragma once

#include "storage/HistoryStore.h"

#include <QChartView>
#include <QList>
#include <QPointF>

class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

// One item's price over time as steps, with its number of bids on a second scale. A price
// that cannot be read as an amount is left out; the step before it goes on. Only changes are
// stored, so the last value holds until the time given: it is what the item still shows.
class PriceChart : public QChartView
{
    Q_OBJECT
public:
    explicit PriceChart(QWidget* parent = nullptr);

    void setRows(const QList<Observation>& rows, const QDateTime& until);

    // The corners of the steps: milliseconds since 1970 and the amount.
    QList<QPointF> pricePoints() const;
    QList<QPointF> bidPoints() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyColours();

    QLineSeries* m_price;
    QLineSeries* m_bids;
    QDateTimeAxis* m_timeAxis;
    QValueAxis* m_priceAxis;
    QValueAxis* m_bidAxis;
};
