#include "storage/TextFile.h"

#include "storage/SaveFile.h"

#include <QFile>
#include <QStringDecoder>
#include <cerrno>
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
} // namespace

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
        return {{}, FileError::notRegularMode(status.st_mode)};
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
    SaveFile file(path);
    if (auto error = file.open()) {
        return error;
    }
    if (auto error = file.write(textFileBytes(lines))) {
        return error;
    }
    return file.commit();
}
