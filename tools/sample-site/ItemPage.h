#pragma once

// The HTML of the sample site, in the layout of the classic item pages: the price and the
// other facts of an item stand on one line, each label followed by its value in tags.

#include "Auctions.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// "US $1,250.00"
QString formatPrice(qint64 cents);
// "Dec-12-26 18:30:00 PST": the site keeps Pacific standard time all year.
QString formatPacificTime(const QDateTime& moment);
// "2 days 4 hours +", "3 hours 12 mins +", "14 mins 5 secs", "Auction has ended."
QString formatTimeLeft(const QDateTime& now, const QDateTime& endsAt);

QByteArray itemPageHtml(const AuctionItem& item, const QDateTime& now);
QByteArray invalidItemHtml(const QString& itemNumber);
QByteArray notFoundHtml(const QString& target);
QByteArray unauthorizedHtml();
QByteArray frontPageHtml(const QList<AuctionItem>& items, const QDateTime& now);
