#include "storage/ItemListFile.h"

#include "core/ProgramFiles.h"

ItemListRead LoadItemList(const QString& programFolder)
{
    TextRead file = readLines(ProgramFiles::path(programFolder, ProgramFiles::ItemList));
    file.lines.removeAll(QString());
    return {file.lines, file.error};
}

std::optional<FileError> SaveItemList(const QString& programFolder, const QStringList& items)
{
    return writeLines(ProgramFiles::path(programFolder, ProgramFiles::ItemList), items);
}
