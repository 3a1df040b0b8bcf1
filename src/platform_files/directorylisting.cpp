#include "directorylisting.h"
#include "platform/filenames.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace platform {

QStringList listFiles(const QString& pattern) {
    QString path = pattern;
    path.replace('\\', '/');
    const qsizetype slash = path.lastIndexOf('/');
    const QString folder = slash < 0 ? QString(".") : resolveFileName(path.left(slash + 1));
    const QRegularExpression match(
        QRegularExpression::wildcardToRegularExpression(path.mid(slash + 1)),
        QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    const QDir dir(folder.isEmpty() ? QString("/") : folder);
    // Unsorted: the names that match are sorted below.
    for (const QString& name :
         dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted)) {
        // Only regular files: no folders, devices or pipes. The name is tried first, so only
        // the files that match are looked at on disk.
        if (match.match(name).hasMatch() && QFileInfo(dir.filePath(name)).isFile())
            names << name;
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

QString DirectoryListing::first(const QString& pattern) {
    names_ = listFiles(pattern);
    position_ = 0;
    return next();
}

QString DirectoryListing::next() {
    return position_ < names_.size() ? names_[position_++] : QString();
}

} // namespace platform
