#pragma once

#include "storage/FileError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

struct FileBytes
{
    QByteArray bytes;
    std::optional<FileError> error;
};

// Our files are small; anything larger than this is refused rather than read.
inline constexpr qint64 TextFileLimit = qint64{1024} * 1024;

// Reads a whole file of the program. A symbolic link, a folder, a pipe or a device is refused,
// and so is a file larger than maxBytes.
FileBytes readFileBytes(const QString& path, qint64 maxBytes = TextFileLimit);

// A text file's bytes as lines, which end at LF, CR LF or CR. The bytes are UTF-8 when valid,
// else Latin-1.
QStringList textLines(const QByteArray& bytes);

// The bytes writeTextFile writes for the lines: UTF-8, each line ending in CR LF.
QByteArray textFileBytes(const QStringList& lines);

// Replaces the file with textFileBytes(lines) through a SaveFile: the old file stays whole
// when writing fails, and a symbolic link or special file at the path is refused.
std::optional<FileError> writeTextFile(const QString& path, const QStringList& lines);
