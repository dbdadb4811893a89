#pragma once

#include <QString>

// A failed file operation as the user is shown it: "Error <number>: <description>", with the
// system's error number and text.
struct FileError
{
    int number = 0;
    QString description;

    static FileError fromErrno(int error);
    // A link, a folder, a pipe or a device where a file of ours belongs: ELOOP, EISDIR or EINVAL.
    static FileError notRegularFile(int error);
    // The error for what lstat() found (st_mode) where a regular file belongs.
    static FileError notRegularMode(unsigned mode);
};

// "<headline>", two line breaks, then "Error <number>: <description>".
QString fileErrorText(const QString& headline, const FileError& error);
