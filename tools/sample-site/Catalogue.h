#pragma once

// The twelve fixed items of the sample site, 3141592601 to 3141592612, and the bidders who
// bid on every item. Item 3141592608 is a Dutch auction of five lots; item 3141592607 is
// sent with bare line feeds instead of CR LF; item 3141592603 ends 17 minutes after the start.

#include "AuctionItem.h"

#include <QDateTime>
#include <QList>
#include <QRandomGenerator>
#include <QString>

QList<AuctionItem> catalogueItems(QRandomGenerator& random, const QDateTime& openedAt);

// A name from the pool of bidders, with rating: "peachpit (156)".
QString randomBidder(QRandomGenerator& random);
// The name at index in the same pool; the index wraps around.
QString bidderAt(quint32 index);
