#include "storage/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

FileError fileError(FileFailure failure)
{
    // Every error number and description the program shows for its files comes from here.
    switch (failure) {
    case FileFailure::NotFound:
        return {53, QStringLiteral("File not found")};
    case FileFailure::PathNotFound:
        return {76, QStringLiteral("Path not found")};
    case FileFailure::Access:
        return {75, QStringLiteral("Path/File access error")};
    case FileFailure::DeviceIo:
        return {57, QStringLiteral("Device I/O error")};
    case FileFailure::TypeMismatch:
        return {13, QStringLiteral("Type mismatch")};
    case FileFailure::Overflow:
        return {6, QStringLiteral("Overflow")};
    }
    return {75, QStringLiteral("Path/File access error")};
}

namespace {

bool folderExists(const QString& path)
{
    return QFileInfo(QFileInfo(path).absolutePath()).isDir();
}

FileFailure openFailure(const QString& path, bool forReading)
{
    if (!folderExists(path)) {
        return FileFailure::PathNotFound;
    }
    if (forReading && !QFileInfo::exists(path)) {
        return FileFailure::NotFound;
    }
    return FileFailure::Access;
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text.at(i) != QLatin1Char('\r')) {
            ++i;
            continue;
        }
        lines << text.mid(start, i - start);
        ++i;
        if (i < text.size() && text.at(i) == QLatin1Char('\n')) {
            ++i;
        }
        start = i;
    }
    if (start < text.size()) {
        lines << text.mid(start);
    }
    return lines;
}

} // namespace

TextRead readLines(const QString& path)
{
    QFile file(path);
    // A folder opens on some systems; it is no text file.
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        return {{}, fileError(openFailure(path, true))};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return {{}, fileError(FileFailure::DeviceIo)};
    }
    return {splitLines(QString::fromLatin1(bytes)), std::nullopt};
}

std::optional<FileError> writeLines(const QString& path, const QStringList& lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fileError(openFailure(path, false));
    }
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    // commit() would put a file whose buffered tail failed to reach the disk in place of the
    // old one, so the data is flushed and checked here first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return fileError(FileFailure::DeviceIo);
    }
    if (!file.commit()) {
        // The data went out; what failed is putting the new file in place of the old one.
        return fileError(file.error() == QFileDevice::WriteError ? FileFailure::DeviceIo : FileFailure::Access);
    }
    return std::nullopt;
}

QString fileErrorText(const QString& headline, const FileError& error)
{
    return headline + QStringLiteral("\r\rError ") + QString::number(error.number) + QStringLiteral(": ") +
           error.description;
}
