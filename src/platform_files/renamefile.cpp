#include "renamefile.h"
#include "platform/filenames.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

void setProblem(QString* problem, const QString& text) {
    if (problem)
        *problem = text;
}

// The new name's folders as the resolver finds them, its last part as given.
QString newName(const QString& to) {
    QString path = to;
    path.replace('\\', '/');
    const qsizetype slash = path.lastIndexOf('/');
    if (QFileInfo::exists(to) || slash < 0)
        return to;
    return resolveFileName(path.left(slash + 1)) + path.mid(slash + 1);
}

} // namespace

bool renameWithoutReplacing(const QString& from, const QString& to, QString* problem) {
    const QString source = resolveFileName(from);
    const QString target = newName(to);
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.exists()) {
        setProblem(problem, "It does not exist.");
        return false;
    }
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() || targetInfo.isSymLink()) {
        setProblem(problem, "A file with the new name already exists.");
        return false;
    }
    const QByteArray oldPath = QFile::encodeName(source);
    const QByteArray newPath = QFile::encodeName(target);
    // The kernel refuses to replace the target even if one appears in the meantime.
    if (::renameat2(AT_FDCWD, oldPath.constData(), AT_FDCWD, newPath.constData(),
                    RENAME_NOREPLACE) == 0)
        return true;
    int error = errno;
    if (error == EINVAL || error == ENOSYS) {
        // File systems without that flag: a hard link fails when the target exists.
        if (::link(oldPath.constData(), newPath.constData()) == 0) {
            if (::unlink(oldPath.constData()) == 0)
                return true;
            error = errno;
            ::unlink(newPath.constData());
        } else {
            error = errno;
        }
    }
    setProblem(
        problem,
        error == EEXIST
            ? QString("A file with the new name already exists.")
            : QString("The system reports: %1.").arg(QString::fromLocal8Bit(strerror(error))));
    return false;
}

} // namespace platform
