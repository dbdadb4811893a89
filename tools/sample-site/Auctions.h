#pragma once

// The invented auctions of the sample site and the way bids arrive on them.
//
// Twelve items, 3141592601 to 3141592612, answer with a full item page. Item 3141592608 is a
// Dutch auction of five lots; item 3141592607 is sent with bare line feeds instead of CR LF.
// Bids come at random moments: every five seconds of wall-clock time each running item gets a
// new bid with its own chance, so a watcher that polls every 20 seconds sees prices move.
//
// A few numbers give other answers, for trying out the watcher's messages:
//   3141592690  404 Not Found
//   3141592691  204 No Content
//   3141592692  401 Unauthorized
//   3141592699  accepted and never answered (the watcher's time-out fires)
// Any other number gets the site's "invalid item" page: status 200 without a price.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QRandomGenerator>
#include <QString>

struct AuctionItem
{
    QString number;
    QString title;
    QString category;
    QString seller; // name with feedback rating, as the page shows it: "tinkerbarn (412)"
    QString location;
    QString description; // HTML paragraphs
    int quantity = 1;
    qint64 firstBidCents = 0;
    qint64 priceCents = 0;
    int bids = 0;
    QString highBidder;
    QDateTime startedAt;
    QDateTime endsAt;
    double bidChance = 0.0; // chance of a bid in each step of wall-clock time
    bool bareLineFeeds = false;

    bool isDutch() const { return quantity > 1; }
};

struct SiteAnswer
{
    int status = 200;
    QByteArray body;
    bool stall = false; // leave the connection open and never answer
};

class Auctions
{
public:
    Auctions(quint32 seed, const QDateTime& openedAt);

    // Brings every auction up to `now`, then answers a request for one item number.
    SiteAnswer answer(const QString& itemNumber, const QDateTime& now);

    // The site's front page: every item with its current price.
    QByteArray frontPage(const QDateTime& now);

    const QList<AuctionItem>& items() const { return m_items; }

    static qint64 bidIncrementCents(qint64 priceCents);

private:
    void advanceTo(const QDateTime& now);
    void placeBid(AuctionItem& item);
    QString randomBidder();

    QRandomGenerator m_random;
    QList<AuctionItem> m_items;
    QDateTime m_lastStep;
};
