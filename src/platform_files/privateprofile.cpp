#include "privateprofile.h"
#include "platform/filenames.h"
#include "shared/files.h"
#include "shared/textfile.h"

#include <QFileInfo>
#include <QStringList>
#include <optional>

namespace platform {

namespace {

struct Profile {
    QStringList lines;
    shared::TextEncoding encoding = shared::TextEncoding::SingleByte;
};

void setProblem(QString* problem, const QString& text) {
    if (problem)
        *problem = text;
}

// The lines of the file; none for a missing file, nullopt with the reason when the file is
// there but cannot be read.
std::optional<Profile> profileOf(const QString& fileName, QString* problem) {
    if (!QFileInfo::exists(resolveFileName(fileName)))
        return Profile();
    QString why;
    const std::optional<QByteArray> content =
        shared::readFile(resolveFileName(fileName), shared::limit::DataFile, &why, "settings file");
    if (!content) {
        setProblem(problem, why);
        return std::nullopt;
    }
    Profile profile{{}, shared::encodingOf(*content)};
    QString text = shared::decodeText(*content, profile.encoding);
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    profile.lines = text.split('\n');
    if (profile.lines.last().isEmpty())
        profile.lines.removeLast();
    return profile;
}

// The section name of a "[name]" line, or nullopt for any other line.
std::optional<QString> sectionOf(const QString& line) {
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith('[') || !trimmed.endsWith(']'))
        return std::nullopt;
    return trimmed.mid(1, trimmed.size() - 2).trimmed();
}

// A key that would not read back as written (one holding "=" or a line end, beginning with a
// quote or "[", or with blanks around it) is stored in double quotes, where "\" comes before a
// quote or a backslash and line ends are written \r and \n.
QString storedKey(const QString& key) {
    if (!key.contains('=') && !key.contains('\r') && !key.contains('\n') && !key.startsWith('"') &&
        !key.startsWith('[') && key == key.trimmed())
        return key;
    QString quoted = "\"";
    for (QChar c : key) {
        if (c == '"' || c == '\\')
            quoted += QString('\\') + c;
        else if (c == '\r')
            quoted += "\\r";
        else if (c == '\n')
            quoted += "\\n";
        else
            quoted += c;
    }
    return quoted + '"';
}

struct KeyLine {
    QString key;
    qsizetype valueAt; // where the value starts, after the "="
};

std::optional<KeyLine> quotedKeyLine(const QString& line, qsizetype at) {
    QString key;
    for (++at; at < line.size() && line[at] != '"'; ++at) {
        QChar c = line[at];
        if (c == '\\' && at + 1 < line.size()) {
            c = line[++at];
            c = c == 'r' ? QChar('\r') : c == 'n' ? QChar('\n') : c;
        }
        key += c;
    }
    for (++at; at < line.size() && line[at].isSpace(); ++at) {
    }
    if (at >= line.size() || line[at] != '=')
        return std::nullopt;
    return KeyLine{key, at + 1};
}

// The key of a "key=value" line; nullopt for a line without "=".
std::optional<KeyLine> keyLineOf(const QString& line) {
    qsizetype at = 0;
    while (at < line.size() && line[at].isSpace())
        ++at;
    if (at < line.size() && line[at] == '"')
        if (std::optional<KeyLine> quoted = quotedKeyLine(line, at))
            return quoted;
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    return KeyLine{line.left(equals).trimmed(), equals + 1};
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The line of key in a section of that name: the first that names the key exactly, else, when
// ignoringCase, the first that names it in another case; -1 when there is none.
qsizetype lineOfKey(const QStringList& lines, const QString& section, const QString& key,
                    bool ignoringCase) {
    qsizetype otherCase = -1;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const std::optional<QString> name = sectionOf(lines[i])) {
            inSection = sameName(*name, section);
        } else if (const std::optional<KeyLine> line = keyLineOf(lines[i]); inSection && line) {
            if (line->key == key)
                return i;
            if (ignoringCase && otherCase < 0 && sameName(line->key, key))
                otherCase = i;
        }
    }
    return otherCase;
}

} // namespace

int getPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                            QString* returned, int size, const QString& fileName, QString* problem,
                            KeyMatch match) {
    QString value = defaultValue;
    if (const std::optional<Profile> profile = profileOf(fileName, problem)) {
        const qsizetype i = lineOfKey(profile->lines, section, key, match == KeyMatch::ExactFirst);
        if (i >= 0)
            value = profile->lines[i].mid(keyLineOf(profile->lines[i])->valueAt).trimmed();
    }
    const int copied = size > 0 ? int(std::min<qsizetype>(value.size(), size - 1)) : 0;
    if (returned)
        *returned = value.left(copied);
    return copied;
}

int writePrivateProfileString(const QString& section, const QString& key, const QString& value,
                              const QString& fileName, QString* problem) {
    std::optional<Profile> read = profileOf(fileName, problem);
    if (!read)
        return 0;
    QStringList& lines = read->lines;
    if (const qsizetype i = lineOfKey(lines, section, key, false); i >= 0) {
        lines[i] = lines[i].left(keyLineOf(lines[i])->valueAt) + value;
    } else {
        // A new key goes after the last non-blank line of the first section of that name.
        qsizetype insertAt = -1;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (const std::optional<QString> name = sectionOf(lines[i])) {
                if (insertAt >= 0)
                    break;
                if (sameName(*name, section))
                    insertAt = i + 1;
            } else if (insertAt >= 0 && !lines[i].trimmed().isEmpty()) {
                insertAt = i + 1;
            }
        }
        const QString entry = storedKey(key) + "=" + value;
        if (insertAt >= 0)
            lines.insert(insertAt, entry);
        else
            lines << "[" + section + "]" << entry;
    }
    const QByteArray content = shared::encodeText(lines.join("\r\n") + "\r\n", read->encoding);
    return shared::saveFile(resolveFileName(fileName), content, nullptr) ? 1 : 0;
}

} // namespace platform
