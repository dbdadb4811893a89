#pragma once

// How the sample site writes prices, times and the time left.

#include <QDateTime>
#include <QString>

// "US $1,250.00"
QString formatPrice(qint64 cents);
// "Dec-12-26 18:30:00 PST": the site keeps Pacific standard time all year.
QString formatPacificTime(const QDateTime& moment);
// "2 days 4 hours +", "3 hours 12 mins +", "14 mins 5 secs", "Auction has ended."
QString formatTimeLeft(const QDateTime& now, const QDateTime& endsAt);
