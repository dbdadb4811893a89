#include "core/ItemTimes.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTimeZone>
#include <array>

namespace {
struct Zone
{
    QStringView letters;
    int hoursFromUtc;
};

constexpr std::array<Zone, 14> KnownZones = {{{u"UTC", 0},
                                              {u"GMT", 0},
                                              {u"EST", -5},
                                              {u"EDT", -4},
                                              {u"CST", -6},
                                              {u"CDT", -5},
                                              {u"MST", -7},
                                              {u"MDT", -6},
                                              {u"PST", -8},
                                              {u"PDT", -7},
                                              {u"AKST", -9},
                                              {u"AKDT", -8},
                                              {u"HST", -10},
                                              {u"HDT", -9}}};
} // namespace

std::optional<QDateTime> endTime(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    const qsizetype zoneStart = trimmed.lastIndexOf(u' ');
    // "MMM-dd-yy hh:mm:ss" has one blank of its own: the zone follows a second one.
    const bool hasZone = zoneStart > 0 && trimmed.first(zoneStart).contains(u' ');
    const QStringView moment = hasZone ? trimmed.first(zoneStart) : trimmed;
    const QDateTime read = QLocale::c().toDateTime(moment.toString(), QStringLiteral("MMM-dd-yy HH:mm:ss"));
    if (!read.isValid()) {
        return std::nullopt;
    }
    int offset = 0;
    if (hasZone) {
        const QStringView letters = trimmed.sliced(zoneStart + 1);
        for (const Zone& zone : KnownZones) {
            if (letters.compare(zone.letters, Qt::CaseInsensitive) == 0) {
                offset = zone.hoursFromUtc * 3600;
            }
        }
    }
    // Two digits of a year are this century's.
    return QDateTime(read.date().addYears(100), read.time(), QTimeZone(offset)).toUTC();
}

std::optional<qint64> secondsLeft(QStringView text)
{
    if (text.contains(u"ended", Qt::CaseInsensitive)) {
        return 0;
    }
    static const QRegularExpression part(QStringLiteral(R"((\d+)\s*(day|hour|hr|min|sec)[a-z]*)"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const std::array<std::pair<QStringView, qint64>, 5> units = {
        {{u"day", 86400}, {u"hour", 3600}, {u"hr", 3600}, {u"min", 60}, {u"sec", 1}}};
    std::optional<qint64> seconds;
    for (auto match = part.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        for (const auto& [unit, length] : units) {
            if (found.capturedView(2).compare(unit, Qt::CaseInsensitive) == 0) {
                seconds = seconds.value_or(0) + found.capturedView(1).toLongLong() * length;
            }
        }
    }
    return seconds;
}
