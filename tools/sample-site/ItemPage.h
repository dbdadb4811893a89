#pragma once

// An item page of the sample site. The facts the watcher reads stand on one line, each label
// followed by its value in tags: Currently, Quantity, # of bids, Time left, Ends,
// Seller (Rating) and High bid, in that order, with a few other facts between them.

#include "AuctionItem.h"

#include <QByteArray>
#include <QDateTime>

QByteArray itemPageHtml(const AuctionItem& item, const QDateTime& now);
