#include "storage/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// ".<name>.saving-XXXXXX" beside the target: hidden, and plainly ours when a kill leaves one.
const QString SavingMark = QStringLiteral(".saving-");

QByteArray temporaryTemplate(const QString& path)
{
    const QFileInfo target(path);
    return QFile::encodeName(target.dir().filePath(u'.' + target.fileName() + SavingMark)) + "XXXXXX";
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// 0, or the errno of the failed rename: EEXIST when something is at `to` already.
int renameNoReplace(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL) {
        return errno;
    }
    // A file system that cannot refuse to replace: look first.
    struct stat status = {};
    if (::lstat(to.constData(), &status) == 0) {
        return EEXIST;
    }
    return ::rename(from.constData(), to.constData()) == 0 ? 0 : errno;
}
} // namespace

std::optional<FileError> checkRegularOrAbsent(const QString& path)
{
    struct stat status = {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        return errno == ENOENT ? std::nullopt : std::optional(FileError::fromErrno(errno));
    }
    return S_ISREG(status.st_mode) ? std::nullopt : std::optional(FileError::notRegularMode(status.st_mode));
}

SaveFile::SaveFile(const QString& path) : m_target(QFile::encodeName(path)) {}

SaveFile::~SaveFile()
{
    discard();
}

std::optional<FileError> SaveFile::open()
{
    struct stat status = {};
    const bool exists = ::lstat(m_target.constData(), &status) == 0;
    if (!exists && errno != ENOENT) {
        return FileError::fromErrno(errno);
    }
    if (exists && !S_ISREG(status.st_mode)) {
        return FileError::notRegularMode(status.st_mode);
    }
    m_temporary = temporaryTemplate(QFile::decodeName(m_target));
    m_fd = ::mkostemp(m_temporary.data(), O_CLOEXEC);
    if (m_fd < 0) {
        const int error = errno;
        m_temporary.clear();
        return FileError::fromErrno(error);
    }
    // A file nobody may read (mode 000) is a mistake to fix, not to copy.
    const mode_t mode = exists ? ((status.st_mode & 0777) | S_IRUSR | S_IWUSR) : (0666 & ~currentUmask());
    if (::fchmod(m_fd, mode) != 0) {
        const int error = errno;
        discard();
        return FileError::fromErrno(error);
    }
    return std::nullopt;
}

std::optional<FileError> SaveFile::write(QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(m_fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            discard();
            return FileError::fromErrno(error);
        }
        done += written;
    }
    return std::nullopt;
}

std::optional<FileError> SaveFile::commit()
{
    // A full disk may only show at fsync() or close().
    const int fd = m_fd;
    m_fd = -1;
    if (::fsync(fd) != 0 || ::close(fd) != 0 || ::rename(m_temporary.constData(), m_target.constData()) != 0) {
        const int error = errno;
        discard();
        return FileError::fromErrno(error);
    }
    m_temporary.clear();
    return std::nullopt;
}

void SaveFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.isEmpty()) {
        ::unlink(m_temporary.constData());
        m_temporary.clear();
    }
}

namespace {
// What a save leaves when it is cut short: ".NAME.saving-XXXXXX", six letters or digits at the end.
bool isLeftoverSave(QStringView name)
{
    constexpr QStringView marker = u".saving-";
    constexpr qsizetype suffix = 6;
    const qsizetype at = name.size() - marker.size() - suffix;
    const auto letterOrDigit = [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    };
    return at >= 2 && name.startsWith(u'.') && name.sliced(at, marker.size()) == marker &&
           std::all_of(name.end() - suffix, name.end(), letterOrDigit);
}
} // namespace

void removeLeftoverSaves(const QString& folder)
{
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString path = dir.filePath(name);
        if (isLeftoverSave(name) && !checkRegularOrAbsent(path)) {
            ::unlink(QFile::encodeName(path).constData());
        }
    }
}

SetAside setAside(const QString& path, const QDateTime& time)
{
    if (const std::optional<FileError> error = checkRegularOrAbsent(path)) {
        return {{}, error};
    }
    const QByteArray from = QFile::encodeName(path);
    const QString base = path + QStringLiteral(".unread-") + time.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int count = 1; count < 100; ++count) {
        const QString to = count == 1 ? base : base + u'-' + QString::number(count);
        const int error = renameNoReplace(from, QFile::encodeName(to));
        if (error == 0) {
            return {to, std::nullopt};
        }
        if (error == ENOENT) {
            return {};
        }
        if (error != EEXIST) {
            return {{}, FileError::fromErrno(error)};
        }
    }
    return {{}, FileError::fromErrno(EEXIST)};
}
