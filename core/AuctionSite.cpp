#include "core/AuctionSite.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

QString itemPageUrl(const QString& host, const QString& itemNumber)
{
    return QStringLiteral("http://") + host + QStringLiteral("/aw-cgi/eBayISAPI.dll?ViewItem&item=") + itemNumber;
}

QString itemNumberInAddress(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (!trimmed.contains(QStringLiteral("://")) && !trimmed.startsWith(QStringLiteral("www."), Qt::CaseInsensitive)) {
        return text;
    }
    const QUrl url = QUrl::fromUserInput(trimmed);
    if (!url.isValid() || url.host().isEmpty()) {
        return text;
    }
    static const QRegularExpression number(QStringLiteral("^\\d+$"));
    QString item = QUrlQuery(url).queryItemValue(QStringLiteral("item"));
    if (number.match(item).hasMatch()) {
        return item;
    }
    static const QRegularExpression lastNumber(QStringLiteral("(\\d+)/*$"));
    const QRegularExpressionMatch match = lastNumber.match(url.path());
    return match.hasMatch() ? match.captured(1) : text;
}
