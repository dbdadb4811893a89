#pragma once

// Items made up on request for the benchmark mode (--any-item): any item number gets an
// ordinary auction, the same one for the same number and seed.

#include "AuctionItem.h"

#include <QDateTime>
#include <QString>

// Whether text can be an item number the site makes an item up for: 1 to 19 digits.
bool isInventableNumber(const QString& text);

// The item for number, ending two to nine days after openedAt. It takes bids only when asked
// for (bidChance 0), so the watcher's requests alone move its price.
AuctionItem inventedItem(const QString& number, quint32 seed, const QDateTime& openedAt);
