#include "storage/ItemListFile.h"

#include <cerrno>

ItemListRead loadItemList(const QString& path)
{
    const TextRead file = readTextFile(path);
    ItemListRead read{{}, file.error};
    for (const QString& line : file.lines) {
        if (line.size() > ItemNumberLimit) {
            read.error = FileError::fromErrno(EOVERFLOW);
            break;
        }
        if (!line.isEmpty()) {
            read.items << line;
        }
    }
    return read;
}

std::optional<FileError> saveItemList(const QString& path, const QStringList& items)
{
    return writeTextFile(path, items);
}
