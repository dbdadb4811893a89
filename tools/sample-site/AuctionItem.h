#pragma once

#include <QDateTime>
#include <QString>

// One invented auction as the site keeps it and shows it.
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
    bool isRunning(const QDateTime& now) const { return now < endsAt; }
};
