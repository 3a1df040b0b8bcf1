#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Whole files for the tests: what a file holds ("(none)" when it cannot be read), and
// writing one.
inline QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

inline bool write(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}
