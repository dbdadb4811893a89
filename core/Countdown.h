#pragma once

#include "core/Settings.h"

#include <QDateTime>
#include <QString>
#include <optional>

// The countdown's arithmetic: pure functions of its start, the tick and the interval.
struct CountdownCounts
{
    std::optional<qint64> hours;   // hour boundaries of the clock passed
    std::optional<qint64> minutes; // minute boundaries of the clock passed
    std::optional<qint64> seconds; // whole seconds elapsed
};

// Counts only the parts of the interval that are greater than 0; the others stay empty.
// Boundaries are counted on the wall clock with the date, so midnight is just a boundary.
CountdownCounts countdownCounts(const QDateTime& start, const QDateTime& tick, const Interval& interval);

// Each part is compared with its own count, an empty count counting as 0; the parts are not
// added up into one span.
bool countdownDue(const CountdownCounts& counts, const Interval& interval);

// "h:m:s" with each count in decimal and an empty count as empty text: "::12".
QString countdownText(const CountdownCounts& counts);
