#pragma once

#include "storage/FileError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <optional>

// Nothing, or a regular file: what may stand at a name the program reads or replaces. A
// symbolic link (even to a regular file), a folder, a pipe or a device is refused.
std::optional<FileError> checkRegularOrAbsent(const QString& path);

// Replaces a file without ever leaving half of one: the bytes go to a temporary file beside
// the target, which takes the target's place only on commit(). Until then the old file stays
// as it was; a SaveFile dropped without commit() removes its temporary file. A link or special
// file at the target is refused. The new file keeps the old one's permissions, at least
// readable and writable by its owner; a new one gets the umask's.
class SaveFile
{
public:
    explicit SaveFile(const QString& path);
    ~SaveFile();
    SaveFile(const SaveFile&) = delete;
    SaveFile& operator=(const SaveFile&) = delete;

    std::optional<FileError> open();
    std::optional<FileError> write(QByteArrayView bytes);
    std::optional<FileError> commit();

private:
    void discard();

    QByteArray m_target;
    QByteArray m_temporary;
    int m_fd = -1;
};

// Removes the temporary files of saves that a killed run left in the folder.
void removeLeftoverSaves(const QString& folder);

// Moves the file at path out of the way, to "<path>.unread-YYYYMMDD-HHMMSS" (the time given,
// with "-2", "-3"... when that is taken). The new path, or empty when there was no file.
struct SetAside
{
    QString path;
    std::optional<FileError> error;
};
SetAside setAside(const QString& path, const QDateTime& time);
