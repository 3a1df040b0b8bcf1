#include "filenames.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

// Exact case first, otherwise the first in character-code order (so "CAT.BMP" before "Cat.bmp"
// before "cat.bmp", whatever the locale).
QString findIgnoringCase(const QString& folder, const QString& name) {
    const QString exact = QDir(folder).filePath(name);
    if (QFileInfo::exists(exact) || QFileInfo(exact).isSymLink())
        return name;
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    QString best;
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && (best.isEmpty() || entry < best))
            best = entry;
    return best;
}

QString resolveFileName(const QString& stored) {
    // An exact name always wins, "\" and all: a name the player picked finds that file again.
    if (!stored.isEmpty() && (QFileInfo::exists(stored) || QFileInfo(stored).isSymLink()))
        return stored;
    QString path = stored;
    path.replace('\\', '/');
    if (path.isEmpty())
        return path;
    const bool absolute = path.startsWith('/');
    const QStringList parts = path.split('/', Qt::SkipEmptyParts);
    QStringList resolved;
    bool found = true;
    for (const QString& part : parts) {
        if (found && part != "." && part != "..") {
            const QString folder =
                (absolute ? "/" : "") +
                (resolved.isEmpty() ? QString(absolute ? "" : ".") : resolved.join('/'));
            const QString match = findIgnoringCase(folder.isEmpty() ? "/" : folder, part);
            if (match.isEmpty()) {
                found = false;
                resolved << part;
            } else {
                resolved << match;
            }
        } else {
            resolved << part;
        }
    }
    QString result = resolved.join('/');
    if (absolute)
        result.prepend('/');
    if (path.endsWith('/') && !result.endsWith('/'))
        result += '/';
    return result;
}

QString windowsDirectory() {
    const QByteArray windir = qgetenv("windir");
    if (!windir.isEmpty()) {
        QString folder = QString::fromLocal8Bit(windir);
        while (folder.size() > 1 && (folder.endsWith('/') || folder.endsWith('\\')))
            folder.chop(1);
        return folder;
    }
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/quiblax";
    QDir().mkpath(folder);
    return folder;
}

} // namespace platform
