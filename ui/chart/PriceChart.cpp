#include "ui/chart/PriceChart.h"

#include "core/DecimalText.h"
#include "core/PriceText.h"
#include "ui/Colors.h"
#include "ui/ZoneName.h"

#include <QDateTimeAxis>
#include <QEvent>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {
std::optional<double> bidCount(const Observation& row)
{
    // Counts as pages write them, "1,024" too.
    const std::optional<DecimalText> count =
        DecimalText::parse(row.value(PageField::Bids).value_or(QString()), DecimalText::Grouping::Thousands);
    const std::optional<int> whole = count ? count->floorToInt() : std::nullopt;
    return whole && *whole >= 0 ? std::optional<double>(*whole) : std::nullopt;
}

// A chart is a few hundred pixels wide: beyond some thousand corners a line only costs drawing
// time. Each of a thousand slices of the time then keeps its first, lowest, highest and last
// corner, in their order, so every rise and fall still shows.
QList<QPointF> thinned(const QList<QPointF>& points)
{
    constexpr qsizetype Slices = 1000;
    if (points.size() <= 4 * Slices) {
        return points;
    }
    const double start = points.first().x();
    const double width = std::max(points.last().x() - start, 1.0) / Slices;
    QList<QPointF> kept;
    for (qsizetype first = 0; first < points.size();) {
        const double end = start + (std::floor((points[first].x() - start) / width) + 1) * width;
        qsizetype last = first;
        qsizetype low = first;
        qsizetype high = first;
        while (last + 1 < points.size() && points[last + 1].x() < end) {
            ++last;
            low = points[last].y() < points[low].y() ? last : low;
            high = points[last].y() > points[high].y() ? last : high;
        }
        std::array<qsizetype, 4> corners = {first, low, high, last};
        std::sort(corners.begin(), corners.end());
        for (qsizetype i = 0; i < 4; ++i) {
            if (i == 0 || corners[i] != corners[i - 1]) {
                kept << points[corners[i]];
            }
        }
        first = last + 1;
    }
    return kept;
}

// A range with room above and below, never empty.
std::pair<double, double> span(const QList<QPointF>& points, double least)
{
    if (points.isEmpty()) {
        return {0, least};
    }
    const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                 [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    const double margin = std::max((high->y() - low->y()) * 0.1, least);
    return {std::max(0.0, low->y() - margin), high->y() + margin};
}
} // namespace

PriceChart::PriceChart(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("priceChart"));
    setAccessibleName(tr("Price and bids over time"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(220);

    auto* chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    m_price = new QLineSeries(chart);
    m_price->setName(tr("Price"));
    m_bids = new QLineSeries(chart);
    m_bids->setName(tr("Bids"));
    chart->addSeries(m_price);
    chart->addSeries(m_bids);

    m_timeAxis = new QDateTimeAxis(chart);
    m_timeAxis->setFormat(QStringLiteral("MMM d HH:mm"));
    m_timeAxis->setTickCount(5);
    m_priceAxis = new QValueAxis(chart);
    m_priceAxis->setLabelFormat(QStringLiteral("%.2f"));
    m_bidAxis = new QValueAxis(chart);
    m_bidAxis->setLabelFormat(QStringLiteral("%d"));
    m_bidAxis->setTitleText(tr("Bids"));
    chart->addAxis(m_timeAxis, Qt::AlignBottom);
    chart->addAxis(m_priceAxis, Qt::AlignLeft);
    chart->addAxis(m_bidAxis, Qt::AlignRight);
    m_price->attachAxis(m_timeAxis);
    m_price->attachAxis(m_priceAxis);
    m_bids->attachAxis(m_timeAxis);
    m_bids->attachAxis(m_bidAxis);
    // The view comes with an empty chart of its own, which it gives up, not deletes, for ours.
    QChart* empty = this->chart();
    setChart(chart);
    delete empty;
    applyColours();
    showUntil(QDateTime::currentDateTimeUtc());
}

void PriceChart::Steps::add(double time, std::optional<double> value)
{
    if (!value || (!points.isEmpty() && points.last().y() == *value)) {
        return;
    }
    if (!points.isEmpty()) {
        points << QPointF(time, points.last().y());
    }
    points << QPointF(time, *value);
}

// Only changes are stored, so the last value holds until the end.
QList<QPointF> PriceChart::Steps::heldUntil(double end) const
{
    QList<QPointF> held = points;
    if (!held.isEmpty() && end > held.last().x()) {
        held << QPointF(end, held.last().y());
    }
    return held;
}

void PriceChart::clear()
{
    m_priceSteps = {};
    m_bidSteps = {};
    m_first.reset();
    m_last.reset();
    m_currencies.clear();
}

void PriceChart::addRows(const QList<Observation>& rows)
{
    for (const Observation& row : rows) {
        const double time = static_cast<double>(row.time.toMSecsSinceEpoch());
        const QString price = row.value(PageField::Price).value_or(QString());
        const std::optional<double> amount = priceAmount(price);
        m_priceSteps.add(time, amount);
        if (amount) {
            m_currencies.insert(priceCurrency(price));
        }
        m_bidSteps.add(time, bidCount(row));
    }
    if (!rows.isEmpty()) {
        m_first = m_first.value_or(rows.first().time);
        m_last = rows.last().time;
    }
}

void PriceChart::showUntil(const QDateTime& until)
{
    const double end = static_cast<double>(std::max(until, m_last.value_or(until)).toMSecsSinceEpoch());
    const QList<QPointF> prices = thinned(m_priceSteps.heldUntil(end));
    const QList<QPointF> bids = thinned(m_bidSteps.heldUntil(end));
    m_price->replace(prices);
    m_bids->replace(bids);
    // A single reading still shows as a point.
    m_price->setPointsVisible(prices.size() == 1);
    m_bids->setPointsVisible(bids.size() == 1);

    const QDateTime shownEnd = until.toLocalTime();
    QDateTime first = m_first.value_or(until).toLocalTime();
    QDateTime last = std::max(shownEnd, m_last.value_or(until).toLocalTime());
    if (first.secsTo(last) < 60) {
        first = first.addSecs(-30);
        last = last.addSecs(30);
    }
    m_timeAxis->setRange(first, last);
    m_timeAxis->setTitleText(tr("Time (%1)").arg(zoneNames(first, last)));
    const QString currency = m_currencies.size() == 1 ? *m_currencies.cbegin() : QString();
    m_priceAxis->setTitleText(currency.isEmpty() ? tr("Price") : tr("Price (%1)").arg(currency));
    m_timeAxis->setFormat(first.daysTo(last) >= 1 ? QStringLiteral("MMM d HH:mm") : QStringLiteral("HH:mm:ss"));
    const auto [priceLow, priceHigh] = span(prices, 1.0);
    m_priceAxis->setRange(priceLow, priceHigh);
    m_priceAxis->applyNiceNumbers();
    const auto [bidLow, bidHigh] = span(bids, 1.0);
    m_bidAxis->setRange(std::floor(bidLow), std::ceil(bidHigh));
    m_bidAxis->applyNiceNumbers();
}

QList<QPointF> PriceChart::pricePoints() const
{
    return m_price->points();
}

QList<QPointF> PriceChart::bidPoints() const
{
    return m_bids->points();
}

void PriceChart::changeEvent(QEvent* event)
{
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        applyColours();
    }
}

// The chart draws in the window's own colours, so a dark desktop gets a dark chart.
void PriceChart::applyColours()
{
    const QPalette colours = palette();
    const QColor base = colours.color(QPalette::Base);
    const QColor text = colours.color(QPalette::Text);
    QChart* chart = this->chart();
    chart->setBackgroundBrush(base);
    chart->setBackgroundPen(Qt::NoPen);
    chart->legend()->setLabelColor(text);
    const QColor grid = colours.color(QPalette::Mid);
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(m_timeAxis), static_cast<QAbstractAxis*>(m_priceAxis),
                                static_cast<QAbstractAxis*>(m_bidAxis)}) {
        axis->setLabelsColor(text);
        axis->setTitleBrush(text);
        axis->setLinePenColor(text);
        axis->setGridLineColor(grid);
    }
    const QColor price = Colors::readable(QColor(0, 0, 128), base, Colors::readable(QColor(120, 180, 255), base, text));
    const QColor bids = Colors::readable(QColor(168, 72, 0), base, Colors::readable(QColor(255, 170, 70), base, text));
    m_price->setPen(QPen(price, 2.5));
    m_bids->setPen(QPen(bids, 1.5, Qt::DashLine));
}

PriceChartView* PriceChartEntry::createChart(QWidget* parent)
{
    return new PriceChart(parent);
}
