#pragma once

#include <QString>
#include <QStringList>

// The settings file HangQZ.Ini in the Windows directory: KEY=VALUE lines, keys matched as
// prefixes ignoring case, the last match winning. The writer upper-cases every line but the
// value it stores, which keeps its case: a puzzle-set name finds the very file that was picked.
namespace hangman {

inline constexpr int MaxSettingLines = 50;

// WinDir as the game keeps it: upper-cased, ending in "\".
QString winDirFrom(const QString& windowsDirectory);

// The value of the last held line longer than key that begins with it, ignoring case: the
// text after its first "=" (the whole line without one), trimmed, in the case the line has;
// empty when no line matches. The key is expected upper-cased.
QString settingValue(const QStringList& lines, const QString& key);
// Every held line longer than key that begins with it becomes key=value, every other line is
// upper-cased; none is added.
QStringList withSetting(QStringList lines, const QString& key, const QString& value);

class SettingsFile {
  public:
    explicit SettingsFile(const QString& winDir) : path_(winDir + "HangQZ.Ini") {}
    const QString& path() const { return path_; }

    // The value for Key, which is upper-cased in place. A missing file is first created with
    // the two default lines; when it cannot be created or read, the defaults are read
    // instead and problem says why.
    QString ReadSetting(QString& Key, QString* problem) const;
    // Stores Value under Key, which is upper-cased in place; false with the reason when the
    // file cannot be read or written, and the file stays as it was.
    bool WriteSetting(QString& Key, const QString& Value, QString* problem) const;

  private:
    QString path_;
};

} // namespace hangman
