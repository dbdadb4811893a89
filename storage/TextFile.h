#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// A failure of a file operation, as the user is shown it: "Error <number>: <description>".
struct FileError
{
    int number;
    QString description;
};

// The kinds of failure our files meet; fileError() gives each its number and description.
enum class FileFailure {
    NotFound,     // the file does not exist
    PathNotFound, // its folder does not exist or is not a folder
    Access,       // it exists but cannot be opened, replaced or written
    DeviceIo,     // reading or writing failed after the file was open
    TypeMismatch, // a value text is not a number
    Overflow,     // a number does not fit a whole-number value
};

FileError fileError(FileFailure failure);

struct TextRead
{
    QStringList lines;
    std::optional<FileError> error;
};

// Reads a whole text file as lines. A line ends at CR or at CR LF; a bare LF stays inside its
// line. Bytes map to characters one to one (Latin-1), so every byte comes back unchanged.
TextRead readLines(const QString& path);

// Replaces the file with the lines, each followed by CR LF, as Latin-1. The old file stays
// whole when the new one cannot be written.
std::optional<FileError> writeLines(const QString& path, const QStringList& lines);

// The text of a file-error message box: the headline, two CRs, then "Error <number>: <description>".
QString fileErrorText(const QString& headline, const FileError& error);
