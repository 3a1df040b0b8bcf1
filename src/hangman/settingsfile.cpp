#include "settingsfile.h"
#include "platform/filenames.h"
#include "shared/files.h"
#include "shared/numbertext.h"
#include "shared/textfile.h"
#include "shared/uppercase.h"

#include <QFileInfo>

namespace hangman {

namespace {

const QStringList DefaultLines = {"PuzzleName=CAPITALS.HNG", "HeadMoves=False"};

// The lines of the file: the first ones upper-cased as held, the rest as they stand.
struct SettingLines {
    QStringList held;
    QStringList beyond;
};

SettingLines holdLines(const QStringList& lines) {
    SettingLines result;
    for (const QString& line : lines) {
        if (result.held.size() < MaxSettingLines)
            result.held << line;
        else
            result.beyond << line;
    }
    return result;
}

bool fileExists(const QString& path) {
    const QFileInfo info(platform::resolveFileName(path));
    return info.exists() && !info.isDir();
}

std::optional<QStringList> readLines(const QString& path, QString* problem,
                                     shared::TextEncoding* encoding = nullptr) {
    return shared::readTextLines(platform::resolveFileName(path), shared::limit::DataFile, problem,
                                 encoding);
}

bool writeLines(const QString& path, const QStringList& lines, QString* problem,
                shared::TextEncoding encoding = shared::TextEncoding::SingleByte) {
    shared::TextFileWriter writer(encoding);
    for (const QString& line : lines)
        writer.writeTextLine(line);
    return writer.save(platform::resolveFileName(path), problem);
}

// Keys match whatever case a line is in; a line's value keeps the case it was written in.
bool matches(const QString& line, const QString& key) {
    return line.size() > key.size() && shared::upperCase(line).startsWith(key);
}

} // namespace

QString winDirFrom(const QString& windowsDirectory) {
    QString winDir = shared::upperCase(windowsDirectory);
    if (!winDir.endsWith('\\'))
        winDir += '\\';
    return winDir;
}

QString settingValue(const QStringList& lines, const QString& key) {
    QString value;
    for (const QString& line : lines) {
        if (!matches(line, key))
            continue;
        const qsizetype equals = line.indexOf('=');
        value = shared::trimBlanks(equals < 0 ? line : line.mid(equals + 1));
    }
    return value;
}

QStringList withSetting(QStringList lines, const QString& key, const QString& value) {
    for (QString& line : lines)
        line = matches(line, key) ? key + '=' + value : shared::upperCase(line);
    return lines;
}

QString SettingsFile::ReadSetting(QString& Key, QString* problem) const {
    Key = shared::upperCase(Key);
    std::optional<QStringList> lines;
    if (!fileExists(path_)) {
        if (!writeLines(path_, DefaultLines, problem))
            return settingValue(holdLines(DefaultLines).held, Key);
    }
    lines = readLines(path_, problem);
    if (!lines)
        return settingValue(holdLines(DefaultLines).held, Key);
    return settingValue(holdLines(*lines).held, Key);
}

bool SettingsFile::WriteSetting(QString& Key, const QString& Value, QString* problem) const {
    Key = shared::upperCase(Key);
    if (!fileExists(path_))
        return writeLines(path_, {Key + '=' + Value}, problem);
    shared::TextEncoding encoding{};
    std::optional<QStringList> lines = readLines(path_, problem, &encoding);
    if (!lines)
        return false;
    const SettingLines kept = holdLines(*lines);
    return writeLines(path_, withSetting(kept.held, Key, Value) + kept.beyond, problem, encoding);
}

} // namespace hangman
