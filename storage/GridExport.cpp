#include "storage/GridExport.h"

#include "core/ProgramFiles.h"
#include "core/ResultsGrid.h"

std::optional<FileError> ExportGrid(const QString& programFolder, ResultsGrid& grid)
{
    if (grid.rows() == 1) {
        return std::nullopt;
    }
    const int oldRow = grid.row();
    const int oldCol = grid.col();
    QStringList lines;
    for (int r = 0; r < grid.rows(); ++r) {
        grid.setRow(r);
        QString line;
        for (int c = 0; c < ResultsGrid::ColumnCount; ++c) {
            grid.setCol(c);
            line += QLatin1Char(',') + grid.cellText();
        }
        lines << line;
    }
    const auto error = writeLines(ProgramFiles::path(programFolder, ProgramFiles::GridExport), lines);
    if (error) {
        grid.setRow(oldRow);
        grid.setCol(oldCol);
    }
    return error;
}
