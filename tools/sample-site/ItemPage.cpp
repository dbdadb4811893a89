#include "ItemPage.h"

#include "Auctions.h"
#include "Catalogue.h"
#include "Formats.h"
#include "PageFrame.h"

#include <QStringList>
#include <string_view>

namespace {

// Between "Currently" and the price. The watcher skips a fixed 41 characters from the "C" of
// the label, so this must stay exactly 32 characters long.
constexpr std::string_view priceMarkup = "</th><td class=\"amount\"><strong>";
static_assert(priceMarkup.size() == 32);

// How many of the latest bids the page lists.
constexpr int listedBids = 10;

QString factRow(const char* label, const QString& value)
{
    return QStringLiteral("<tr><th>") + QLatin1String(label) + QStringLiteral("</th><td>") + value.toHtmlEscaped() +
           QStringLiteral("</td></tr>");
}

// Every fact the watcher reads, in the order it reads them, on this one line. Each value is
// followed directly by a tag, which is where the watcher ends it.
QString factsLine(const AuctionItem& item, const QDateTime& now)
{
    const QString highBid = item.isDutch() ? QStringLiteral("several winners, see below") : item.highBidder;
    return QStringLiteral("<table class=\"facts\"><tr><th>Currently") +
           QLatin1String(priceMarkup.data(), qsizetype(priceMarkup.size())) + formatPrice(item.priceCents) +
           QStringLiteral("</strong></td></tr>") + factRow("First bid", formatPrice(item.firstBidCents)) +
           factRow("Quantity", QString::number(item.quantity)) + factRow("# of bids", QString::number(item.bids)) +
           factRow("Time left", formatTimeLeft(now, item.endsAt)) + factRow("Location", item.location) +
           factRow("Started", formatPacificTime(item.startedAt)) + factRow("Ends", formatPacificTime(item.endsAt)) +
           factRow("Seller (Rating)", item.seller) + factRow("High bid", highBid) + QStringLiteral("</table>");
}

// The latest bids, newest first. The site keeps no history, so the earlier amounts are worked
// back from the price and the earlier bidders come from the pool, the same ones on every visit.
QStringList recentBids(const AuctionItem& item)
{
    if (item.bids == 0)
        return {QStringLiteral("<p>No bids yet. The first bid may be the opening price of ") +
                formatPrice(item.firstBidCents) + QStringLiteral(", and whoever makes it leads at once.</p>")};
    QStringList lines{QStringLiteral("<table class=\"list\">"), QStringLiteral("<tr><th>Bidder</th><th>Bid</th></tr>")};
    qint64 amount = item.priceCents;
    QString bidder = item.highBidder;
    for (int bid = item.bids; bid > 0 && bid > item.bids - listedBids && amount >= item.firstBidCents; --bid) {
        lines << QStringLiteral("<tr><td>") + bidder.toHtmlEscaped() + QStringLiteral("</td><td class=\"number\">") +
                     formatPrice(amount) + QStringLiteral("</td></tr>");
        amount -= Auctions::bidIncrementCents(amount - 1);
        const quint32 index = item.number.right(4).toUInt() + quint32(bid) * 7;
        const QString earlier = bidderAt(index);
        bidder = earlier == bidder ? bidderAt(index + 1) : earlier;
    }
    lines << QStringLiteral("</table>");
    const int hidden = item.bids - listedBids;
    if (hidden > 0)
        lines << (hidden == 1 ? QStringLiteral("<p>One earlier bid is not shown.</p>")
                              : QStringLiteral("<p>%1 earlier bids are not shown.</p>").arg(hidden));
    return lines;
}

QStringList aboutTheAuction(const AuctionItem& item)
{
    const QString seller = item.seller.section(QLatin1Char(' '), 0, 0).toHtmlEscaped();
    const QString rating = item.seller.section(QLatin1Char(' '), 1).remove(QLatin1Char('(')).remove(QLatin1Char(')'));
    const qint64 minimumBid =
        item.bids == 0 ? item.firstBidCents : item.priceCents + Auctions::bidIncrementCents(item.priceCents);
    QStringList lines;
    if (item.isDutch()) {
        lines << QStringLiteral("<p>This is a Dutch auction of %1 identical lots. Each bidder names a price and a "
                                "number of lots; the highest bids win, and every winner pays the lowest winning "
                                "bid.</p>")
                     .arg(item.quantity);
    }
    lines << QStringLiteral("<h2>Latest bids</h2>") << recentBids(item)
          << QStringLiteral("<p>The next bid must be at least <strong>") + formatPrice(minimumBid) +
                 QStringLiteral("</strong>. Bids go up in steps that grow with the price, from five cents below one "
                                "dollar to ten dollars from five hundred dollars on.</p>")
          << QStringLiteral("<h2>Shipping and payment</h2>")
          << QStringLiteral("<p>The item leaves from ") + item.location.toHtmlEscaped() +
                 QStringLiteral(". The buyer pays the actual postage, worked out once the address is known. "
                                "Payment by money order or check within ten days of the end; the item goes out "
                                "within three working days after the payment arrives, with a tracking number. If "
                                "the item is not as described, send it back within two weeks for a full refund.</p>")
          << QStringLiteral("<h2>About the seller</h2>")
          << QStringLiteral("<p>%1 has %2 good reports from other members. The number after each name on these "
                            "pages counts such reports. Questions sent before the end are answered within a day, "
                            "usually in the evening.</p>")
                 .arg(seller, rating.toHtmlEscaped())
          << QStringLiteral("<h2>Before you bid</h2>") << QStringLiteral("<ul>")
          << QStringLiteral("<li>Read the whole description and look at the time left; the end time is firm.</li>")
          << QStringLiteral("<li>Ask the seller about anything the description leaves open, such as the condition, "
                            "postage to where you live and insurance.</li>")
          << QStringLiteral("<li>Decide on the most you would pay, and stop there.</li>")
          << QStringLiteral("<li>A bid is a promise to buy: bid only when you mean it.</li>") << QStringLiteral("</ul>")
          << QStringLiteral("<h2>Questions and answers</h2>") << QStringLiteral("<dl class=\"qa\">")
          << QStringLiteral("<dt>Can you send it abroad?</dt><dd>Yes, by air mail or the cheaper surface mail. Ask "
                            "for a quote with your postcode before you bid.</dd>")
          << QStringLiteral("<dt>Would you end the auction early for a fixed price?</dt><dd>No, sorry. It runs to "
                            "its end, so that everyone who follows it has the same chance.</dd>")
          << QStringLiteral("<dt>Are there more pictures?</dt><dd>Gladly: write through the site and say which "
                            "side you would like to see, and they come by mail the same day.</dd>")
          << QStringLiteral("</dl>") << QStringLiteral("<h2>How bidding works here</h2>")
          << QStringLiteral("<p>There is no bid form on these pages. The bids come from the site itself, which plays "
                            "invented bidders while it runs, so that a watcher has prices that move. To follow this "
                            "item, add its number to the list in Bidorra. All times are Pacific standard time, all "
                            "year round.</p>");
    return lines;
}

} // namespace

QByteArray itemPageHtml(const AuctionItem& item, const QDateTime& now)
{
    QStringList lines = pageTop(item.title + QStringLiteral(" - item ") + item.number);
    lines << QStringLiteral("<h1>") + item.title.toHtmlEscaped() + QStringLiteral("</h1>")
          << QStringLiteral("<p class=\"meta\">Item ") + item.number + QStringLiteral(" &middot; ") +
                 item.category.toHtmlEscaped() + QStringLiteral("</p>")
          << factsLine(item, now) << QStringLiteral("<h2>Description</h2>") << item.description;
    lines << aboutTheAuction(item)
          << QStringLiteral("<p class=\"note\">Everything on this page is invented: the item, the seller, the "
                            "bidders and the prices. It was made by bidorra-sample-site, a small program running "
                            "on your own computer for trying out Bidorra; no bid here is real and nothing is for "
                            "sale.</p>")
          << QStringLiteral("<p><a href=\"/\">Back to the front page</a></p>");
    lines << pageBottom();
    return joinLines(lines, item.bareLineFeeds);
}
