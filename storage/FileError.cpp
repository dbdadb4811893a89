#include "storage/FileError.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

FileError FileError::fromErrno(int error)
{
    return {error, QString::fromLocal8Bit(std::strerror(error))};
}

FileError FileError::notRegularFile(int error)
{
    return {error, QCoreApplication::translate("FileError", "not a regular file")};
}

FileError FileError::notRegularMode(unsigned mode)
{
    return notRegularFile(S_ISLNK(mode) ? ELOOP : S_ISDIR(mode) ? EISDIR : EINVAL);
}

QString fileErrorText(const QString& headline, const FileError& error)
{
    return headline + QStringLiteral("\r\r") +
           QCoreApplication::translate("FileError", "Error %1: %2")
               .arg(QString::number(error.number), error.description);
}
