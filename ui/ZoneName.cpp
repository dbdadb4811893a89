#include "ui/ZoneName.h"

#include <QStringList>
#include <QTimeZone>
#include <algorithm>
#include <cstdlib>

QString zoneName(const QDateTime& moment)
{
    QString abbreviation = QTimeZone::systemTimeZone().abbreviation(moment);
    if (!abbreviation.isEmpty() &&
        std::all_of(abbreviation.cbegin(), abbreviation.cend(), [](QChar c) { return c.isLetter(); })) {
        return abbreviation;
    }
    const int offset = moment.toLocalTime().offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return QStringLiteral("UTC%1%2:%3")
        .arg(offset < 0 ? u'-' : u'+')
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString zoneNames(const QDateTime& first, const QDateTime& last)
{
    QStringList names{zoneName(first)};
    for (const QTimeZone::OffsetData& change : QTimeZone::systemTimeZone().transitions(first, last)) {
        const QString name = zoneName(change.atUtc);
        if (!names.contains(name)) {
            names << name;
        }
    }
    return names.join(u'/');
}
