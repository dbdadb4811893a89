#pragma once

#include "storage/HistoryStore.h"
#include "storage/TextFile.h"

#include <QList>
#include <QStringList>
#include <optional>

// The rows as CSV lines after RFC 4180: a header line, then one line per row, every field in
// double quotes (a quote inside doubled), times in ISO 8601 in UTC.
QStringList historyCsvLines(const QList<Observation>& rows);

// Writes the lines to path, each ending in CR LF, as UTF-8.
std::optional<FileError> exportHistory(const QList<Observation>& rows, const QString& path);
