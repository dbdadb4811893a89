#include "SitePages.h"

#include "Formats.h"
#include "PageFrame.h"

#include <QStringList>

namespace {

QString itemRow(const AuctionItem& item, const QDateTime& now)
{
    return QStringLiteral("<tr><td class=\"number\">") + item.number + QStringLiteral("</td><td><a href=\"") +
           itemHref(item.number) + QStringLiteral("\">") + item.title.toHtmlEscaped() +
           QStringLiteral("</a></td><td class=\"number\">") + formatPrice(item.priceCents) +
           QStringLiteral("</td><td class=\"number\">") + QString::number(item.bids) + QStringLiteral("</td><td>") +
           formatTimeLeft(now, item.endsAt) + QStringLiteral("</td></tr>");
}

} // namespace

QByteArray frontPageHtml(const QList<AuctionItem>& items, const QDateTime& now, qsizetype inventedCount)
{
    QStringList lines = pageTop(QStringLiteral("Sample auctions"));
    lines << QStringLiteral("<h1>Sample auctions</h1>")
          << QStringLiteral("<p class=\"note\">Everything here is invented and served by bidorra-sample-site, a "
                            "small program on your own computer. Add the item numbers below to Bidorra and watch "
                            "the prices move: the site places bids by itself at random moments.</p>")
          << QStringLiteral("<table class=\"list\">")
          << QStringLiteral("<tr><th>Item</th><th>Title</th><th>Price</th><th>Bids</th><th>Time left</th></tr>");
    for (const AuctionItem& item : items)
        lines << itemRow(item, now);
    lines << QStringLiteral("</table>") << QStringLiteral("<h2 id=\"other-numbers\">Numbers with other answers</h2>")
          << QStringLiteral("<p>3141592690 answers 404 Not Found, 3141592691 answers 204 No Content, 3141592692 "
                            "answers 401 Unauthorized, and 3141592699 never answers at all.</p>");
    if (inventedCount < 0) {
        lines << QStringLiteral("<p>Any other number gets a page that says there is no such item.</p>");
    } else {
        lines << QStringLiteral("<p>Benchmark mode: any other number made of digits gets an item made up on its "
                                "first request, and every request places one more bid. %1 made up so far.</p>")
                     .arg(inventedCount == 1 ? QStringLiteral("One item")
                                             : QString::number(inventedCount) + QStringLiteral(" items"));
    }
    lines << pageBottom();
    return joinLines(lines);
}

QByteArray invalidItemHtml(const QString& itemNumber)
{
    return messagePage(QStringLiteral("No such item"),
                       QStringLiteral("There is no item ") + itemNumber.toHtmlEscaped() +
                           QStringLiteral(" on the sample site. The front page lists the items there are."));
}

QByteArray notFoundHtml(const QString& target)
{
    return messagePage(QStringLiteral("Not found"),
                       QStringLiteral("The sample site has nothing at ") + target.toHtmlEscaped() + QLatin1Char('.'));
}

QByteArray unauthorizedHtml()
{
    return messagePage(QStringLiteral("Members only"),
                       QStringLiteral("This auction is open to signed-in members only."));
}
