#include "core/Countdown.h"

namespace {
QString orEmpty(const std::optional<qint64>& value)
{
    return value ? QString::number(*value) : QString();
}
} // namespace

CountdownCounts countdownCounts(const QDateTime& start, const QDateTime& tick, const Interval& interval)
{
    const qint64 days = start.date().daysTo(tick.date());
    const qint64 hours = days * 24 + tick.time().hour() - start.time().hour();
    const qint64 minutes = hours * 60 + tick.time().minute() - start.time().minute();
    const qint64 seconds = minutes * 60 + tick.time().second() - start.time().second();

    CountdownCounts counts;
    if (interval.seconds > 0) {
        counts.seconds = seconds;
    }
    if (interval.minutes > 0) {
        counts.minutes = minutes;
    }
    if (interval.hours > 0) {
        counts.hours = hours;
    }
    return counts;
}

bool countdownDue(const CountdownCounts& counts, const Interval& interval)
{
    return counts.seconds.value_or(0) >= interval.seconds && counts.minutes.value_or(0) >= interval.minutes &&
           counts.hours.value_or(0) >= interval.hours;
}

QString countdownText(const CountdownCounts& counts)
{
    return orEmpty(counts.hours) + QLatin1Char(':') + orEmpty(counts.minutes) + QLatin1Char(':') +
           orEmpty(counts.seconds);
}
