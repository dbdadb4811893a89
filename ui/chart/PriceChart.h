#pragma once

#include "ui/dialogs/PriceChartView.h"

#include <QChartView>
#include <QList>
#include <QPointF>
#include <QSet>
#include <optional>

class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

// One item's price over time as steps, with its number of bids on a second scale. A price
// that cannot be read as an amount is left out; the step before it goes on. Only changes are
// stored, so the last value holds until the time given: it is what the item still shows. The
// time axis names the user's time zone, the price axis the currency all prices shown share.
class PriceChart : public QChartView, public PriceChartView
{
    Q_OBJECT
public:
    explicit PriceChart(QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void clear() override;
    void addRows(const QList<Observation>& rows) override;
    void showUntil(const QDateTime& until) override;
    QList<QPointF> pricePoints() const override;
    QList<QPointF> bidPoints() const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    // The corners of one value's steps: each new value starts where the last one ends.
    struct Steps
    {
        QList<QPointF> points;
        void add(double time, std::optional<double> value);
        QList<QPointF> heldUntil(double end) const;
    };

    void applyColours();

    Steps m_priceSteps;
    Steps m_bidSteps;
    std::optional<QDateTime> m_first;
    std::optional<QDateTime> m_last;
    QSet<QString> m_currencies;

    QLineSeries* m_price;
    QLineSeries* m_bids;
    QDateTimeAxis* m_timeAxis;
    QValueAxis* m_priceAxis;
    QValueAxis* m_bidAxis;
};

// The module's entry: what the history window loads when it is first made.
class PriceChartEntry : public QObject, public PriceChartModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PriceChartModule_iid)
    Q_INTERFACES(PriceChartModule)
public:
    PriceChartView* createChart(QWidget* parent) override;
};
