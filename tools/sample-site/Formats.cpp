#include "Formats.h"

#include <QLocale>

namespace {

QString plural(qint64 count, const char* unit)
{
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(unit) + (count == 1 ? "" : "s");
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
