#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// A failed file operation as the user is shown it: "Error <number>: <description>", with the
// system's error number and text.
struct FileError
{
    int number = 0;
    QString description;

    static FileError fromErrno(int error);
    static FileError notRegularFile(int error);
};

// "<headline>", two line breaks, then "Error <number>: <description>".
QString fileErrorText(const QString& headline, const FileError& error);

struct TextRead
{
    QStringList lines;
    std::optional<FileError> error;
};

// Our files are small; anything larger than this is refused rather than read.
inline constexpr qint64 TextFileLimit = 1024 * 1024;

// Reads a whole text file of the program as lines, which end at LF, CR LF or CR. The bytes are
// UTF-8 when valid, else Latin-1. A symbolic link, a folder, a pipe or a device is refused, and
// so is a file larger than maxBytes.
TextRead readTextFile(const QString& path, qint64 maxBytes = TextFileLimit);

// Replaces the file with the lines, each ending in CR LF, as UTF-8. The new file is written
// beside the old one and renamed over it, so the old file stays whole when writing fails. A
// path that is a symbolic link or not a regular file is refused and nothing is written.
std::optional<FileError> writeTextFile(const QString& path, const QStringList& lines);
