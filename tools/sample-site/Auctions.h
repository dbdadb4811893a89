#pragma once

// The invented auctions of the sample site and the way bids arrive on them.
//
// The twelve items of the catalogue (Catalogue.h) answer with a full item page. Bids come at
// random moments: every five seconds of wall-clock time each running item gets a new bid with
// its own chance, so a watcher that polls every 20 seconds sees prices move.
//
// A few numbers give other answers, for trying out the watcher's messages:
//   3141592690  404 Not Found
//   3141592691  204 No Content
//   3141592692  401 Unauthorized
//   3141592699  accepted and never answered (the watcher's time-out fires)
// Any other number gets the site's "No such item" page: status 200 without a price.
//
// In the benchmark mode (anyItem) any other number made of digits gets an ordinary item made up
// on its first request (InventedItem.h), and every request for a running item first places one
// bid on it, so each check of the watcher sees a new price.

#include "AuctionItem.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QRandomGenerator>
#include <QString>

struct SiteAnswer
{
    int status = 200;
    QByteArray body;
    bool stall = false; // leave the connection open and never answer
};

class Auctions
{
public:
    Auctions(quint32 seed, const QDateTime& openedAt, bool anyItem = false);

    // Brings every auction up to `now`, then answers a request for one item number.
    SiteAnswer answer(const QString& itemNumber, const QDateTime& now);

    // The site's front page: every catalogue item with its current price.
    QByteArray frontPage(const QDateTime& now);

    static qint64 bidIncrementCents(qint64 priceCents);

private:
    void advanceTo(const QDateTime& now);
    void placeBid(AuctionItem& item);
    // The item with that number, made up first when the benchmark mode allows; null if none.
    AuctionItem* findItem(const QString& itemNumber);

    quint32 m_seed;
    bool m_anyItem;
    QDateTime m_openedAt;
    QRandomGenerator m_random;
    QList<AuctionItem> m_items;
    QHash<QString, AuctionItem> m_invented;
    QDateTime m_lastStep;
};
