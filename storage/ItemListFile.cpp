#include "storage/ItemListFile.h"

#include <cerrno>

ItemListRead loadItemList(const QString& path)
{
    const FileBytes file = readFileBytes(path);
    if (file.error) {
        return {{}, file.error};
    }
    return parseItemList(file.bytes);
}

ItemListRead parseItemList(const QByteArray& bytes)
{
    ItemListRead read;
    for (const QString& line : textLines(bytes)) {
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
