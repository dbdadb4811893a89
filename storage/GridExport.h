#pragma once

#include "storage/TextFile.h"

#include <optional>

class ResultsModel;

inline constexpr auto GridExportFileName = "Grid Data.csv";
inline constexpr auto GridExportErrorHeadline = QT_TRANSLATE_NOOP("FileError", "Error with Grid Data.csv File");

// Writes the header and every row of the grid as one comma-led line of its texts, unquoted.
// A grid of its header alone writes nothing and leaves an older file as it is.
std::optional<FileError> exportGrid(const ResultsModel& results, const QString& path);
