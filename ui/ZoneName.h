#pragma once

#include <QDateTime>
#include <QString>

// The name of the user's time zone at a moment, as the windows show it next to local times:
// its abbreviation ("CET" in winter, "CEST" in summer, "UTC"), or its offset ("UTC+03:00")
// where the zone has no letters of its own.
QString zoneName(const QDateTime& moment);

// The zone's names over a span, "CET" or, across changes to and from summer time, "CET/CEST".
QString zoneNames(const QDateTime& first, const QDateTime& last);
