#pragma once

#include <QDateTime>
#include <QStringView>
#include <optional>

// The times an item page shows, as times to compare.

// An end time as pages write it, "Dec-14-26 21:36:10 PST": the moment it names. A zone we know
// by its letters (the American ones, GMT, UTC) gives its offset; one we do not is read as UTC,
// so that ends in one zone still come in their order. Anything else gives nothing.
std::optional<QDateTime> endTime(QStringView text);

// The time left as pages write it, "9 days 0 hours +", "3 hours 5 mins +", "5 mins 10 secs",
// in seconds; an auction that has ended has 0 left. Anything else gives nothing.
std::optional<qint64> secondsLeft(QStringView text);
