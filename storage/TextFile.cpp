#include "storage/TextFile.h"

#include <QFile>
#include <QStringDecoder>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Closes a file descriptor when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now and tells whether that went well: a full disk may only show here.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

QString decodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            continue;
        }
        lines << text.sliced(start, i - start);
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        lines << text.sliced(start);
    }
    return lines;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += written;
    }
    return true;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}
} // namespace

FileError FileError::fromErrno(int error)
{
    return {error, QString::fromLocal8Bit(std::strerror(error))};
}

FileError FileError::notRegularFile(int error)
{
    return {error, QStringLiteral("not a regular file")};
}

QString fileErrorText(const QString& headline, const FileError& error)
{
    return headline + QStringLiteral("\r\rError ") + QString::number(error.number) + QStringLiteral(": ") +
           error.description;
}

FileBytes readFileBytes(const QString& path, qint64 maxBytes)
{
    // Not following a link, and not waiting for a writer should the path be a pipe.
    Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        return {{}, errno == ELOOP ? FileError::notRegularFile(ELOOP) : FileError::fromErrno(errno)};
    }
    struct stat status = {};
    if (::fstat(file.get(), &status) != 0) {
        return {{}, FileError::fromErrno(errno)};
    }
    if (!S_ISREG(status.st_mode)) {
        return {{}, FileError::notRegularFile(S_ISDIR(status.st_mode) ? EISDIR : EINVAL)};
    }
    QByteArray bytes;
    char buffer[16 * 1024];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return {{}, FileError::fromErrno(errno)};
        }
        if (got == 0) {
            break;
        }
        if (bytes.size() + got > maxBytes) {
            return {{}, FileError::fromErrno(EFBIG)};
        }
        bytes.append(buffer, got);
    }
    return {bytes, std::nullopt};
}

QStringList textLines(const QByteArray& bytes)
{
    return splitLines(decodeText(bytes));
}

QByteArray textFileBytes(const QStringList& lines)
{
    QByteArray bytes;
    // Reading drops a byte order mark at the start of a file, as editors may write one; a first
    // line that starts with one keeps it behind a second.
    if (!lines.isEmpty() && lines.first().startsWith(QChar(0xFEFF))) {
        bytes = "\xef\xbb\xbf";
    }
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<FileError> writeTextFile(const QString& path, const QStringList& lines)
{
    const QByteArray target = QFile::encodeName(path);
    struct stat status = {};
    const bool exists = ::lstat(target.constData(), &status) == 0;
    if (!exists && errno != ENOENT) {
        return FileError::fromErrno(errno);
    }
    if (exists && !S_ISREG(status.st_mode)) {
        return FileError::notRegularFile(S_ISLNK(status.st_mode) ? ELOOP : S_ISDIR(status.st_mode) ? EISDIR : EINVAL);
    }

    const QByteArray bytes = textFileBytes(lines);
    QByteArray temporary = target + ".XXXXXX";
    Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.get() < 0) {
        return FileError::fromErrno(errno);
    }
    const mode_t mode = exists ? (status.st_mode & 07777) : (0666 & ~currentUmask());
    if (::fchmod(file.get(), mode) != 0 || !writeAll(file.get(), bytes) || ::fsync(file.get()) != 0 || !file.close() ||
        ::rename(temporary.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return FileError::fromErrno(error);
    }
    return std::nullopt;
}
