#include "storage/GridExport.h"

#include "core/ResultsModel.h"

std::optional<FileError> exportGrid(const ResultsModel& results, const QString& path)
{
    if (results.rowCount() == 0) {
        return std::nullopt;
    }
    QStringList lines;
    QString line;
    for (int column = 0; column < ResultsModel::ColumnCount; ++column) {
        line += u',' + ResultsModel::header(column);
    }
    lines << line;
    for (int row = 0; row < results.rowCount(); ++row) {
        line.clear();
        for (int column = 0; column < ResultsModel::ColumnCount; ++column) {
            line += u',' + results.text(row, column);
        }
        lines << line;
    }
    return writeTextFile(path, lines);
}
