#pragma once

#include "storage/TextFile.h"

#include <QLatin1String>
#include <optional>

class ResultsGrid;

inline constexpr QLatin1String GridExportErrorHeadline("Error with Grid Data.csv File");

// Writes every grid row as one comma-led line of its cell texts, unquoted, to "Grid Data.csv".
// A grid holding only its header row writes nothing and leaves any older file alone. The
// cells are read by selecting them, so the current cell ends at the last row and column; when
// the file cannot be written the current cell is put back where it was.
std::optional<FileError> ExportGrid(const QString& programFolder, ResultsGrid& grid);
