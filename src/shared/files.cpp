#include "files.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace shared {

namespace {

enum class Doing { Reading, Writing };

QString reasonFor(int error, Doing doing) {
    switch (error) {
    case ENOENT:
        return doing == Doing::Reading ? "It does not exist." : "Its folder does not exist.";
    case EACCES:
    case EPERM:
        return doing == Doing::Reading ? "You are not allowed to read it."
                                       : "You are not allowed to write it or in its folder.";
    case ENOSPC:
        return "The disk is full.";
    case EDQUOT:
        return "Your disk quota is used up.";
    case EFBIG:
        return "The file would be larger than the system allows.";
    case EROFS:
        return "The disk is read-only.";
    case EISDIR:
        return "It is a folder.";
    case ENOTDIR:
        return "Part of its path is not a folder.";
    case ENAMETOOLONG:
        return "Its name is too long.";
    case ELOOP:
        return "Its links lead round in a circle.";
    case EIO:
        return "The disk could not be read or written.";
    default:
        return QString("The system reports: %1.").arg(QString::fromLocal8Bit(strerror(error)));
    }
}

void setProblem(QString* problem, const QString& text) {
    if (problem)
        *problem = text;
}

QString notRegular(const struct stat& info, const QString& kind) {
    return S_ISDIR(info.st_mode) ? QString("It is a folder, not a %1.").arg(kind)
                                 : QString("It is a device or a pipe, not a %1.").arg(kind);
}

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

bool writeAll(int fd, const QByteArray& content) {
    const char* data = content.constData();
    qint64 left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// Makes a finished rename last: the folder's entry is flushed too. Best effort.
void syncFolder(const QString& folder) {
    Descriptor dir{
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0)
        ::fsync(dir.fd);
}

enum class Part { Whole, Prefix };

// The bytes of a UTF-8 character that the end of a prefix split: a lead byte followed by
// fewer of its continuation bytes than it needs. None where the prefix ends on a whole one.
qsizetype splitCharacterBytes(const QByteArray& prefix) {
    for (qsizetype back = 1; back <= std::min<qsizetype>(3, prefix.size()); ++back) {
        const uchar byte = uchar(prefix[prefix.size() - back]);
        if ((byte & 0xC0) == 0x80) // a continuation byte: the lead is further back
            continue;
        const qsizetype needs = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return needs > back ? back : 0;
    }
    return 0;
}

std::optional<QByteArray> readRegular(const QString& path, qint64 maxBytes, QString* problem,
                                      const QString& kind, Part part, bool* cut = nullptr) {
    // Non-blocking, so a FIFO cannot hang the game before it is refused below.
    Descriptor file{::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0) {
        setProblem(problem, reasonFor(errno, Doing::Reading));
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) {
        setProblem(problem, reasonFor(errno, Doing::Reading));
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        setProblem(problem, notRegular(info, kind));
        return std::nullopt;
    }
    if (part == Part::Whole && info.st_size > maxBytes) {
        setProblem(problem, tooLarge(maxBytes, kind));
        return std::nullopt;
    }
    // Read to the end, not to the size stat gave: the file may grow meanwhile, and some
    // files report no size at all. One byte past the limit shows a file that is too large.
    QByteArray content;
    content.resize(qsizetype(std::min(std::max<qint64>(info.st_size, 4096), maxBytes)) + 1);
    qsizetype total = 0;
    while (total <= maxBytes) {
        if (total == content.size())
            content.resize(qsizetype(std::min<qint64>(2 * qint64(content.size()), maxBytes + 1)));
        const ssize_t got = ::read(file.fd, content.data() + total, size_t(content.size() - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            setProblem(problem, reasonFor(errno, Doing::Reading));
            return std::nullopt;
        }
        if (got == 0)
            break;
        total += got;
    }
    if (total > maxBytes && part == Part::Whole) {
        setProblem(problem, tooLarge(maxBytes, kind));
        return std::nullopt;
    }
    content.truncate(std::min<qint64>(total, maxBytes));
    if (cut)
        *cut = total > maxBytes;
    if (total > maxBytes)
        content.chop(splitCharacterBytes(content));
    return content;
}

} // namespace

std::optional<QByteArray> readFile(const QString& path, qint64 maxBytes, QString* problem,
                                   const QString& kind) {
    return readRegular(path, maxBytes, problem, kind, Part::Whole);
}

std::optional<QByteArray> readFilePrefix(const QString& path, qint64 maxBytes, QString* problem,
                                         const QString& kind, bool* cut) {
    return readRegular(path, maxBytes, problem, kind, Part::Prefix, cut);
}

QString tooLarge(qint64 maxBytes, const QString& kind) {
    return QString("It is too large for a %1: more than %2 bytes.").arg(kind).arg(maxBytes);
}

bool saveFile(const QString& name, const QByteArray& content, QString* problem,
              const QString& kind) {
    if (name.trimmed().isEmpty()) {
        setProblem(problem, "It has no name.");
        return false;
    }
    QString path = name;
    // A link keeps pointing at the saved file: its target is replaced, not the link.
    const QFileInfo link(path);
    if (link.isSymLink() && link.exists())
        path = link.canonicalFilePath();
    struct stat old {};
    const bool replacing = ::stat(QFile::encodeName(path).constData(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) {
        setProblem(problem, notRegular(old, kind));
        return false;
    }
    const QFileInfo target(path);
    QByteArray temporary =
        QFile::encodeName(target.absolutePath() + "/." + target.fileName() + ".XXXXXX");
    Descriptor file{::mkostemp(temporary.data(), O_CLOEXEC)};
    if (file.fd < 0) {
        setProblem(problem, reasonFor(errno, Doing::Writing));
        return false;
    }
    // The new file keeps the old one's permissions; a new one gets the usual ones.
    mode_t mode = 0;
    if (replacing) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    const bool written =
        ::fchmod(file.fd, mode) == 0 && writeAll(file.fd, content) && ::fsync(file.fd) == 0;
    const int writeError = errno;
    const bool closed = ::close(file.fd) == 0;
    const int closeError = errno;
    file.fd = -1;
    if (!written || !closed) {
        ::unlink(temporary.constData());
        setProblem(problem, reasonFor(written ? closeError : writeError, Doing::Writing));
        return false;
    }
    if (::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        const int renameError = errno;
        ::unlink(temporary.constData());
        setProblem(problem, reasonFor(renameError, Doing::Writing));
        return false;
    }
    syncFolder(target.absolutePath());
    return true;
}

} // namespace shared
