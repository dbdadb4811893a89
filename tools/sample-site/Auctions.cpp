#include "Auctions.h"

#include "Catalogue.h"
#include "InventedItem.h"
#include "ItemPage.h"
#include "PageFrame.h"
#include "SitePages.h"

#include <algorithm>

namespace {

// Bids are decided in steps of this many seconds of wall-clock time.
constexpr qint64 stepSeconds = 5;
// After a long pause (a suspended machine) only this many steps are played out.
constexpr qint64 maxStepsAtOnce = 120;

} // namespace

Auctions::Auctions(quint32 seed, const QDateTime& openedAt, bool anyItem)
    : m_seed(seed), m_anyItem(anyItem), m_openedAt(openedAt), m_random(seed),
      m_items(catalogueItems(m_random, openedAt)), m_lastStep(openedAt)
{}

qint64 Auctions::bidIncrementCents(qint64 priceCents)
{
    if (priceCents < 100)
        return 5;
    if (priceCents < 500)
        return 25;
    if (priceCents < 2500)
        return 50;
    if (priceCents < 10000)
        return 100;
    if (priceCents < 25000)
        return 250;
    if (priceCents < 50000)
        return 500;
    return 1000;
}

void Auctions::advanceTo(const QDateTime& now)
{
    const qint64 steps = m_lastStep.secsTo(now) / stepSeconds;
    if (steps <= 0)
        return;
    const QDateTime last = m_lastStep.addSecs(steps * stepSeconds);
    const qint64 played = std::min(steps, maxStepsAtOnce);
    for (qint64 step = played - 1; step >= 0; --step) {
        const QDateTime moment = last.addSecs(-step * stepSeconds);
        for (AuctionItem& item : m_items) {
            if (item.isRunning(moment) && m_random.generateDouble() < item.bidChance)
                placeBid(item);
        }
    }
    m_lastStep = last;
}

void Auctions::placeBid(AuctionItem& item)
{
    // The first bid is taken at the opening price; later ones raise it by one increment.
    if (item.bids > 0)
        item.priceCents += bidIncrementCents(item.priceCents);
    ++item.bids;
    QString bidder;
    do {
        bidder = randomBidder(m_random);
    } while (bidder == item.highBidder);
    item.highBidder = bidder;
}

AuctionItem* Auctions::findItem(const QString& itemNumber)
{
    const auto listed = std::find_if(m_items.begin(), m_items.end(),
                                     [&itemNumber](const AuctionItem& item) { return item.number == itemNumber; });
    if (listed != m_items.end())
        return &*listed;
    if (!m_anyItem || !isInventableNumber(itemNumber))
        return nullptr;
    auto invented = m_invented.find(itemNumber);
    if (invented == m_invented.end())
        invented = m_invented.insert(itemNumber, inventedItem(itemNumber, m_seed, m_openedAt));
    return &*invented;
}

SiteAnswer Auctions::answer(const QString& itemNumber, const QDateTime& now)
{
    advanceTo(now);
    if (itemNumber == QLatin1String("3141592690"))
        return {404, notFoundHtml(itemPath() + QStringLiteral("?ViewItem&item=") + itemNumber), false};
    if (itemNumber == QLatin1String("3141592691"))
        return {204, {}, false};
    if (itemNumber == QLatin1String("3141592692"))
        return {401, unauthorizedHtml(), false};
    if (itemNumber == QLatin1String("3141592699"))
        return {200, {}, true};
    AuctionItem* item = findItem(itemNumber);
    if (!item)
        return {200, invalidItemHtml(itemNumber), false};
    if (m_anyItem && item->isRunning(now))
        placeBid(*item);
    return {200, itemPageHtml(*item, now), false};
}

QByteArray Auctions::frontPage(const QDateTime& now)
{
    advanceTo(now);
    return frontPageHtml(m_items, now, m_anyItem ? m_invented.size() : -1);
}
