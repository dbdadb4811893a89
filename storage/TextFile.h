#pragma once

#include <QByteArray>
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

struct FileBytes
{
    QByteArray bytes;
    std::optional<FileError> error;
};

// Our files are small; anything larger than this is refused rather than read.
inline constexpr qint64 TextFileLimit = 1024 * 1024;

// Reads a whole file of the program. A symbolic link, a folder, a pipe or a device is refused,
// and so is a file larger than maxBytes.
FileBytes readFileBytes(const QString& path, qint64 maxBytes = TextFileLimit);

// A text file's bytes as lines, which end at LF, CR LF or CR. The bytes are UTF-8 when valid,
// else Latin-1.
QStringList textLines(const QByteArray& bytes);

// The bytes writeTextFile writes for the lines: UTF-8, each line ending in CR LF.
QByteArray textFileBytes(const QStringList& lines);

// Replaces the file with textFileBytes(lines). The new file is written beside the old one and
// renamed over it, so the old file stays whole when writing fails. A path that is a symbolic
// link or not a regular file is refused and nothing is written.
std::optional<FileError> writeTextFile(const QString& path, const QStringList& lines);
