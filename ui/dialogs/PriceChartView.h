#pragma once

#include "storage/Observation.h"

#include <QList>
#include <QObject>
#include <QPointF>

class QDateTime;
class QWidget;

// What the history window asks of its chart of one item's price and bids over time. The chart
// lives in a module of its own (with Qt Charts), loaded when the history window is first made.
class PriceChartView
{
public:
    virtual ~PriceChartView() = default;

    // The chart as a widget; its parent owns it.
    virtual QWidget* widget() = 0;

    // Rows come in pages, oldest first; the chart shows them when told until when.
    virtual void clear() = 0;
    virtual void addRows(const QList<Observation>& rows) = 0;
    virtual void showUntil(const QDateTime& until) = 0;

    // The corners of the steps: milliseconds since 1970 and the amount.
    virtual QList<QPointF> pricePoints() const = 0;
    virtual QList<QPointF> bidPoints() const = 0;
};

// The entry of the chart module.
class PriceChartModule
{
public:
    virtual ~PriceChartModule() = default;
    virtual PriceChartView* createChart(QWidget* parent) = 0;
};

#define PriceChartModule_iid "org.bidorra.PriceChartModule/1"
Q_DECLARE_INTERFACE(PriceChartModule, PriceChartModule_iid)
