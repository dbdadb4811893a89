#include "ItemPage.h"

#include <QLocale>
#include <QStringList>
#include <string_view>

namespace {

// Between a label and its value on the price line. A watcher that skips a fixed width after
// "Currently" depends on this being exactly 32 characters long.
constexpr std::string_view labelToValue = "</font></td><td><font size=2><b>";
static_assert(labelToValue.size() == 32);

constexpr auto itemPath = "/aw-cgi/eBayISAPI.dll";

QString plural(qint64 count, const char* unit)
{
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(unit) + (count == 1 ? "" : "s");
}

QString itemLink(const QString& number)
{
    return QLatin1String(itemPath) + QStringLiteral("?ViewItem&amp;item=") + number;
}

QString factRow(const char* label, const QString& value, const QString& after = {})
{
    return QStringLiteral("<tr><td><font size=2>") + QLatin1String(label) +
           QLatin1String(labelToValue.data(), qsizetype(labelToValue.size())) + value + QStringLiteral("</b>") + after +
           QStringLiteral("</font></td></tr>");
}

// The price line: every fact the watcher reads, in the order it reads them, on one line.
QString priceLine(const AuctionItem& item, const QDateTime& now)
{
    const QString number = item.number;
    const QString bidHistory = QStringLiteral(" <font size=1>(<a href=\"") + QLatin1String(itemPath) +
                               QStringLiteral("?ViewBids&amp;item=") + number +
                               QStringLiteral("\">bid history</a>)</font>");
    const QString sellerLinks = QStringLiteral(" <font size=1>(<a href=\"") + QLatin1String(itemPath) +
                                QStringLiteral("?ViewFeedback&amp;item=") + number +
                                QStringLiteral("\">view comments in seller's Feedback Profile</a>) (<a href=\"") +
                                QLatin1String(itemPath) + QStringLiteral("?ViewListedItems&amp;item=") + number +
                                QStringLiteral("\">view seller's other auctions</a>)</font>");
    const QString highBid = item.isDutch() ? QStringLiteral("see winning bidders list") : item.highBidder;
    return factRow("Currently", formatPrice(item.priceCents)) + factRow("First bid", formatPrice(item.firstBidCents)) +
           factRow("Quantity", QString::number(item.quantity)) +
           factRow("# of bids", QString::number(item.bids), bidHistory) +
           factRow("Time left", formatTimeLeft(now, item.endsAt)) + factRow("Location", item.location) +
           factRow("Started", formatPacificTime(item.startedAt)) + factRow("Ends", formatPacificTime(item.endsAt)) +
           factRow("Seller (Rating)", item.seller, sellerLinks) + factRow("High bid", highBid);
}

QStringList pageTop(const QString& title)
{
    return {
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">"),
        QStringLiteral("<title>") + title + QStringLiteral("</title>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body bgcolor=\"#FFFFFF\" link=\"#0000FF\" vlink=\"#800080\">"),
        QStringLiteral("<table border=0 cellpadding=0 cellspacing=0 width=\"100%\"><tr>"),
        QStringLiteral("<td width=\"180\"><a href=\"/\"><font face=\"Arial\" size=5 color=\"#CC0000\"><b>Sample"
                       "&nbsp;Auctions</b></font></a></td>"),
        QStringLiteral("<td align=right><font face=\"Arial\" size=2><a href=\"/\">home</a> | <a href=\"/aw-cgi/"
                       "eBayISAPI.dll?MyAccount\">my account</a> | <a href=\"/aw-cgi/eBayISAPI.dll?SiteMap\">site "
                       "map</a></font></td>"),
        QStringLiteral("</tr></table>"),
        QStringLiteral("<table border=0 cellpadding=2 cellspacing=0 width=\"100%\" bgcolor=\"#FFCC00\"><tr>"),
        QStringLiteral("<td align=center><font face=\"Arial\" size=2><b><a href=\"/aw-cgi/eBayISAPI.dll?Browse\">"
                       "Browse</a> | <a href=\"/aw-cgi/eBayISAPI.dll?Sell\">Sell</a> | <a href=\"/aw-cgi/eBayISAPI."
                       "dll?Services\">Services</a> | <a href=\"/aw-cgi/eBayISAPI.dll?Search\">Search</a> | <a href="
                       "\"/aw-cgi/eBayISAPI.dll?Help\">Help</a> | <a href=\"/aw-cgi/eBayISAPI.dll?Community\">"
                       "Community</a></b></font></td>"),
        QStringLiteral("</tr></table>"),
        QStringLiteral("<form method=get action=\"/aw-cgi/eBayISAPI.dll\"><input type=hidden name=MfcISAPICommand "
                       "value=GetResult>"),
        QStringLiteral("<font face=\"Arial\" size=2>Search titles: <input type=text name=query size=30> <input "
                       "type=submit value=\"Find it!\"> <a href=\"/aw-cgi/eBayISAPI.dll?Search\">smart search</a>"
                       "</font></form>"),
    };
}

QStringList pageBottom()
{
    return {
        QStringLiteral("<hr size=1 noshade>"),
        QStringLiteral("<p align=center><font face=\"Arial\" size=2><a href=\"/\">Home</a> | <a href=\"/aw-cgi/"
                       "eBayISAPI.dll?MyAccount\">My Account</a> | <a href=\"/aw-cgi/eBayISAPI.dll?SiteMap\">Site "
                       "Map</a> | <a href=\"/aw-cgi/eBayISAPI.dll?Help\">Help</a></font></p>"),
        QStringLiteral("<p align=center><font size=1><a href=\"/aw-cgi/eBayISAPI.dll?Announcements\">Announcements"
                       "</a> | <a href=\"/aw-cgi/eBayISAPI.dll?Register\">Register</a> | <a href=\"/aw-cgi/"
                       "eBayISAPI.dll?SafeHarbor\">Safe Trading</a> | <a href=\"/aw-cgi/eBayISAPI.dll?Feedback\">"
                       "Feedback Forum</a> | <a href=\"/aw-cgi/eBayISAPI.dll?About\">About us</a></font></p>"),
        QStringLiteral("<p align=center><font size=1>Use of this site means you accept the User Agreement and the "
                       "Privacy Policy. The site is a venue only: it does not hold the items, does not check that "
                       "descriptions are accurate, and is not a party to the sale between buyer and seller.</font>"
                       "</p>"),
        QStringLiteral("<p align=center><font size=1>Every item, seller and bidder on these pages is invented. The "
                       "pages are served by a small program on your own computer for trying out an auction "
                       "watcher; no bid placed here is real and nothing is ever sold.</font></p>"),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    };
}

QByteArray joinLines(const QStringList& lines, bool bareLineFeeds = false)
{
    const QString end = bareLineFeeds ? QStringLiteral("\n") : QStringLiteral("\r\n");
    return (lines.join(end) + end).toLatin1();
}

} // namespace

QString formatPrice(qint64 cents)
{
    QString dollars = QString::number(cents / 100);
    for (qsizetype at = dollars.size() - 3; at > 0; at -= 3)
        dollars.insert(at, QLatin1Char(','));
    return QStringLiteral("US $") + dollars + QLatin1Char('.') +
           QStringLiteral("%1").arg(cents % 100, 2, 10, QLatin1Char('0'));
}

QString formatPacificTime(const QDateTime& moment)
{
    return QLocale::c().toString(moment.toOffsetFromUtc(-8 * 3600), QStringLiteral("MMM-dd-yy hh:mm:ss")) +
           QStringLiteral(" PST");
}

QString formatTimeLeft(const QDateTime& now, const QDateTime& endsAt)
{
    const qint64 seconds = now.secsTo(endsAt);
    if (seconds <= 0)
        return QStringLiteral("Auction has ended.");
    const qint64 days = seconds / 86400;
    const qint64 hours = seconds % 86400 / 3600;
    const qint64 minutes = seconds % 3600 / 60;
    if (days > 0)
        return plural(days, "day") + QLatin1Char(' ') + plural(hours, "hour") + QStringLiteral(" +");
    if (hours > 0)
        return plural(hours, "hour") + QLatin1Char(' ') + plural(minutes, "min") + QStringLiteral(" +");
    return plural(minutes, "min") + QLatin1Char(' ') + plural(seconds % 60, "sec");
}

QByteArray itemPageHtml(const AuctionItem& item, const QDateTime& now)
{
    const QString title = item.title.toHtmlEscaped();
    const qint64 minimumBid =
        item.bids == 0 ? item.firstBidCents : item.priceCents + Auctions::bidIncrementCents(item.priceCents);
    QStringList lines = pageTop(QStringLiteral("Sample Auctions item ") + item.number + QStringLiteral(" (Ends ") +
                                formatPacificTime(item.endsAt) + QStringLiteral(") - ") + title);
    lines << QStringLiteral("<font face=\"Arial\" size=2><a href=\"/\">Listings</a> : ") +
                 item.category.toHtmlEscaped() + QStringLiteral("</font>")
          << QStringLiteral("<hr size=1 noshade>")
          << QStringLiteral("<table border=1 cellspacing=0 width=\"100%\" bgcolor=\"#99CCFF\"><tr><td align=center>")
          << QStringLiteral("<font face=\"Arial\" size=4><b>") + title + QStringLiteral("</b></font><br>")
          << QStringLiteral("<font face=\"Arial\" size=2>Item #") + item.number + QStringLiteral("</font>")
          << QStringLiteral("</td></tr></table>")
          << QStringLiteral("<table border=0 cellpadding=1 cellspacing=0 width=\"100%\"><tr><td valign=top>")
          << QStringLiteral("<table border=0 cellpadding=2 cellspacing=0>") << priceLine(item, now)
          << QStringLiteral("</table>") << QStringLiteral("</td><td valign=top width=\"30%\"><font size=2>")
          << QStringLiteral("<a href=\"/aw-cgi/eBayISAPI.dll?MailFriend&amp;item=") + item.number +
                 QStringLiteral("\">Mail this auction to a friend</a><br>")
          << QStringLiteral("<a href=\"/aw-cgi/eBayISAPI.dll?GiftAlert&amp;item=") + item.number +
                 QStringLiteral("\">Request a gift alert</a><br>")
          << QStringLiteral("<a href=\"/aw-cgi/eBayISAPI.dll?Watch&amp;item=") + item.number +
                 QStringLiteral("\">Watch this item</a></font></td></tr></table>")
          << QStringLiteral("<p><font face=\"Arial\" size=2>Seller assumes all responsibility for listing this item. "
                            "You should contact the seller to resolve any questions before bidding. Auction "
                            "currency is U.S. dollars (US $) unless otherwise noted.</font></p>")
          << QStringLiteral("<table width=\"100%\" bgcolor=\"#EFEFEF\"><tr><td><font face=\"Arial\" size=3><b>"
                            "Description</b></font></td></tr></table>")
          << QStringLiteral("<font face=\"Arial\" size=2>") + item.description + QStringLiteral("</font>")
          << QStringLiteral("<p><font size=2>Shipping and handling: buyer pays actual shipping, worked out from the "
                            "buyer's zip code. Payment by money order, cashier's check or personal check (the item "
                            "ships once the check clears). Items ship within three business days of payment. "
                            "Please pay within ten days of the auction's end.</font></p>");
    if (item.isDutch()) {
        lines << QStringLiteral("<p><font size=2>This is a Dutch auction of ") + QString::number(item.quantity) +
                     QStringLiteral(" identical lots. Bidders name a price and a number of lots; the highest "
                                    "bidders win, and every winner pays the lowest winning bid.</font></p>");
    }
    lines << QStringLiteral("<table width=\"100%\" bgcolor=\"#EFEFEF\"><tr><td><font face=\"Arial\" size=3><b>"
                            "Bidding</b></font></td></tr></table>")
          << QStringLiteral("<form method=post action=\"/aw-cgi/eBayISAPI.dll\">")
          << QStringLiteral("<input type=hidden name=MfcISAPICommand value=MakeBid>")
          << QStringLiteral("<input type=hidden name=item value=") + item.number + QStringLiteral(">")
          << QStringLiteral("<font size=2><b>") + title + QStringLiteral("</b> (Item #") + item.number +
                 QStringLiteral(")<br>")
          << QStringLiteral("Minimum bid: <b>") + formatPrice(minimumBid) + QStringLiteral("</b><br>")
          << QStringLiteral("Your maximum bid: <input type=text name=maxbid size=10><br>")
          << QStringLiteral("<input type=submit value=\"Review bid\"></font></form>")
          << QStringLiteral("<p><font size=2>When you bid, the site bids for you only as much as it takes to keep "
                            "you in the lead, up to your maximum. Your maximum is kept secret from the seller and "
                            "from the other bidders. A bid is a promise to buy: bid only if you mean it.</font></p>")
          << QStringLiteral("<p><font size=2>Before bidding, read the seller's comments and ask the seller about "
                            "anything the description leaves open: condition, shipping to your country, insurance "
                            "and returns. Questions asked before the end are answered far more often than "
                            "complaints sent after it.</font></p>");
    lines << pageBottom();
    return joinLines(lines, item.bareLineFeeds);
}

QByteArray invalidItemHtml(const QString& itemNumber)
{
    QStringList lines = pageTop(QStringLiteral("Sample Auctions - Invalid Item"));
    lines << QStringLiteral("<hr size=1 noshade>")
          << QStringLiteral("<h2><font face=\"Arial\">Invalid Item</font></h2>")
          << QStringLiteral("<p><font face=\"Arial\" size=2>The item you requested (") + itemNumber.toHtmlEscaped() +
                 QStringLiteral(") is invalid, still pending, or no longer in our database. Please check the "
                                "number and try again.</font></p>");
    lines << pageBottom();
    return joinLines(lines);
}

QByteArray notFoundHtml(const QString& target)
{
    return joinLines({QStringLiteral("<html><head><title>404 Not Found</title></head><body>"),
                      QStringLiteral("<h1>Not Found</h1>"),
                      QStringLiteral("<p>The requested URL ") + target.toHtmlEscaped() +
                          QStringLiteral(" was not found on this server.</p>"),
                      QStringLiteral("</body></html>")});
}

QByteArray unauthorizedHtml()
{
    return joinLines({QStringLiteral("<html><head><title>401 Unauthorized</title></head><body>"),
                      QStringLiteral("<h1>Unauthorized</h1>"),
                      QStringLiteral("<p>This auction is open to registered members only.</p>"),
                      QStringLiteral("</body></html>")});
}

QByteArray frontPageHtml(const QList<AuctionItem>& items, const QDateTime& now)
{
    QStringList lines = pageTop(QStringLiteral("Sample Auctions - Featured items"));
    lines << QStringLiteral("<hr size=1 noshade>")
          << QStringLiteral("<h2><font face=\"Arial\">Featured items</font></h2>")
          << QStringLiteral("<table border=1 cellpadding=3 cellspacing=0>")
          << QStringLiteral("<tr><th>Item #</th><th>Title</th><th>Price</th><th>Bids</th><th>Time left</th></tr>");
    for (const AuctionItem& item : items) {
        lines << QStringLiteral("<tr><td>") + item.number + QStringLiteral("</td><td><a href=\"") +
                     itemLink(item.number) + QStringLiteral("\">") + item.title.toHtmlEscaped() +
                     QStringLiteral("</a></td><td>") + formatPrice(item.priceCents) + QStringLiteral("</td><td>") +
                     QString::number(item.bids) + QStringLiteral("</td><td>") + formatTimeLeft(now, item.endsAt) +
                     QStringLiteral("</td></tr>");
    }
    lines << QStringLiteral("</table>")
          << QStringLiteral("<p><font size=2>Numbers with other answers: 3141592690 (404 Not Found), 3141592691 "
                            "(204 No Content), 3141592692 (401 Unauthorized), 3141592699 (never answers). Any other "
                            "number gets the invalid item page.</font></p>");
    lines << pageBottom();
    return joinLines(lines);
}
