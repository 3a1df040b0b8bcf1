#include "privateprofile.h"
#include "filenames.h"
#include "shared/files.h"

#include <QFileInfo>
#include <QStringList>
#include <optional>

namespace platform {

namespace {

// The lines of the file; an empty list for a missing file, nullopt when it cannot be read.
std::optional<QStringList> linesOf(const QString& fileName) {
    if (!QFileInfo::exists(resolveFileName(fileName)))
        return QStringList();
    const std::optional<QByteArray> content =
        shared::readFile(resolveFileName(fileName), shared::limit::SmallFile, nullptr);
    if (!content)
        return std::nullopt;
    QString text = QString::fromLatin1(*content);
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    QStringList lines = text.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The section name of a "[name]" line, or nullopt for any other line.
std::optional<QString> sectionOf(const QString& line) {
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith('[') || !trimmed.endsWith(']'))
        return std::nullopt;
    return trimmed.mid(1, trimmed.size() - 2).trimmed();
}

bool isKeyLine(const QString& line, const QString& key) {
    const qsizetype equals = line.indexOf('=');
    return equals >= 0 && line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

int getPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                            QString* returned, int size, const QString& fileName) {
    QString value = defaultValue;
    if (const std::optional<QStringList> lines = linesOf(fileName)) {
        bool inSection = false;
        for (const QString& line : *lines) {
            if (const std::optional<QString> name = sectionOf(line)) {
                inSection = sameName(*name, section);
            } else if (inSection && isKeyLine(line, key)) {
                value = line.mid(line.indexOf('=') + 1).trimmed();
                break;
            }
        }
    }
    const int copied = size > 0 ? int(std::min<qsizetype>(value.size(), size - 1)) : 0;
    if (returned)
        *returned = value.left(copied);
    return copied;
}

int writePrivateProfileString(const QString& section, const QString& key, const QString& value,
                              const QString& fileName) {
    std::optional<QStringList> read = linesOf(fileName);
    if (!read)
        return 0;
    QStringList& lines = *read;
    const QString entry = key + "=" + value;
    qsizetype sectionStart = -1;
    qsizetype insertAt = -1; // after the section's last non-blank line
    bool replaced = false;
    for (qsizetype i = 0; i < lines.size() && !replaced; ++i) {
        if (const std::optional<QString> name = sectionOf(lines[i])) {
            if (sectionStart >= 0)
                break;
            if (sameName(*name, section)) {
                sectionStart = i;
                insertAt = i + 1;
            }
        } else if (sectionStart >= 0) {
            if (isKeyLine(lines[i], key)) {
                lines[i] = lines[i].left(lines[i].indexOf('=') + 1) + value;
                replaced = true;
            } else if (!lines[i].trimmed().isEmpty()) {
                insertAt = i + 1;
            }
        }
    }
    if (!replaced) {
        if (sectionStart >= 0) {
            lines.insert(insertAt, entry);
        } else {
            lines << "[" + section + "]" << entry;
        }
    }
    QByteArray content;
    for (const QString& line : lines)
        content += line.toLatin1() + "\r\n";
    return shared::saveFile(resolveFileName(fileName), content, nullptr) ? 1 : 0;
}

} // namespace platform
