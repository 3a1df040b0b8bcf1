#include "files.h"
#include "platform/filenames.h"

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

QString reasonFor(int error) {
    switch (error) {
    case ENOENT:
        return "It does not exist.";
    case EACCES:
    case EPERM:
        return "You are not allowed to read it.";
    case ENOSPC:
        return "The disk is full.";
    case EDQUOT:
        return "Your disk quota is used up.";
    case EFBIG:
        return "The file would be larger than the system allows.";
    case EROFS:
        return "The disk is read-only.";
    case EISDIR:
        return "It is a folder, not a file.";
    case ENOTDIR:
        return "Part of its path is not a folder.";
    default:
        return QString("The system reports: %1.").arg(QString::fromLocal8Bit(strerror(error)));
    }
}

void setProblem(QString* problem, const QString& text) {
    if (problem)
        *problem = text;
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

} // namespace

std::optional<QByteArray> readFile(const QString& stored, qint64 maxBytes, QString* problem) {
    const QString path = platform::resolveFileName(stored);
    // Non-blocking, so a FIFO cannot hang the game before it is refused below.
    Descriptor file{::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0) {
        setProblem(problem, reasonFor(errno));
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) {
        setProblem(problem, reasonFor(errno));
        return std::nullopt;
    }
    if (S_ISDIR(info.st_mode)) {
        setProblem(problem, "It is a folder, not a file.");
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        setProblem(problem, "It is a device or a pipe, not a file.");
        return std::nullopt;
    }
    if (info.st_size > maxBytes) {
        setProblem(problem, QString("It is too large: %1 bytes, where at most %2 are expected.")
                                .arg(qint64(info.st_size))
                                .arg(maxBytes));
        return std::nullopt;
    }
    QByteArray content;
    // One byte more than expected shows a file that grew past the limit while it was read.
    content.resize(qsizetype(std::min<qint64>(maxBytes, info.st_size)) + 1);
    qsizetype total = 0;
    while (total < content.size()) {
        const ssize_t got = ::read(file.fd, content.data() + total, size_t(content.size() - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            setProblem(problem, reasonFor(errno));
            return std::nullopt;
        }
        if (got == 0)
            break;
        total += got;
    }
    if (total > maxBytes) {
        setProblem(problem, QString("It is too large: more than %1 bytes.").arg(maxBytes));
        return std::nullopt;
    }
    content.truncate(total);
    return content;
}

bool saveFile(const QString& stored, const QByteArray& content, QString* problem) {
    const QString path = platform::resolveFileName(stored);
    const QFileInfo target(path);
    if (target.isDir()) {
        setProblem(problem, "It is a folder, not a file.");
        return false;
    }
    QByteArray temporary =
        QFile::encodeName(target.absolutePath() + "/." + target.fileName() + ".XXXXXX");
    Descriptor file{::mkostemp(temporary.data(), O_CLOEXEC)};
    if (file.fd < 0) {
        setProblem(problem, errno == EACCES || errno == EPERM
                                ? QString("You are not allowed to write in its folder.")
                                : reasonFor(errno));
        return false;
    }
    // The new file keeps the old one's permissions; a new one gets the usual ones.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(QFile::encodeName(path).constData(), &old) == 0) {
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
        setProblem(problem, reasonFor(written ? closeError : writeError));
        return false;
    }
    if (::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        const int renameError = errno;
        ::unlink(temporary.constData());
        setProblem(problem, reasonFor(renameError));
        return false;
    }
    return true;
}

bool isStorableText(const QString& text) {
    for (QChar c : text)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

} // namespace shared
