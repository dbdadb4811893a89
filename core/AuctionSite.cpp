#include "core/AuctionSite.h"

QString itemPageUrl(const QString& host, const QString& itemNumber)
{
    return QStringLiteral("http://") + host + QStringLiteral("/aw-cgi/eBayISAPI.dll?ViewItem&item=") + itemNumber;
}
