#include "tests/support/ItemPages.h"

#include <iterator>

namespace ItemPages {

namespace {
// The parser skips these blindly: the price starts 41 characters after the "C" of "Currently".
constexpr char16_t PriceMarkup[] = u"</font></td> <td width=\"50%\"><b>";
static_assert(std::size(PriceMarkup) - 1 == 32);
} // namespace

QString labelled(const QString& label, const QString& value)
{
    return QStringLiteral("<tr><td>") + label + QStringLiteral("</td><td><b>") + value +
           QStringLiteral("</b></td></tr>");
}

QString priceLine(const QString& price, const QString& tail)
{
    return QStringLiteral("<tr><td>Currently") + QString::fromUtf16(PriceMarkup) + price +
           QStringLiteral("</b></td></tr>") + tail;
}

QString classicLine(const Item& item)
{
    return priceLine(item.price, labelled(QStringLiteral("Quantity"), item.quantity) +
                                     labelled(QStringLiteral("# of bids"), item.bids) +
                                     labelled(QStringLiteral("Time left"), item.timeLeft) +
                                     labelled(QStringLiteral("Ends"), item.ends) +
                                     labelled(QStringLiteral("Seller (Rating)"), item.seller) +
                                     labelled(QStringLiteral("High bid"), item.highBid));
}

QByteArray page(const Item& item)
{
    return "<html>\r\n<head><title>Item</title></head>\r\n<body>\r\n" + classicLine(item).toUtf8() +
           "\r\n</body>\r\n</html>\r\n";
}

QByteArray target(const QString& itemNumber)
{
    return "/aw-cgi/eBayISAPI.dll?ViewItem&item=" + itemNumber.toUtf8();
}

} // namespace ItemPages
