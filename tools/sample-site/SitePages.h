#pragma once

// The pages of the sample site besides the item pages: the front page, the page for an
// unknown item number, and the bodies of the 404 and 401 answers.

#include "AuctionItem.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// inventedCount is how many items the benchmark mode has made up, or -1 when it is off.
QByteArray frontPageHtml(const QList<AuctionItem>& items, const QDateTime& now, qsizetype inventedCount);
QByteArray invalidItemHtml(const QString& itemNumber);
QByteArray notFoundHtml(const QString& target);
QByteArray unauthorizedHtml();
