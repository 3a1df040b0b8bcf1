#pragma once

#include "platform_files/privateprofile.h"

#include <QString>

// The settings file "pelmora.ini" in the Windows directory: how far each category has been
// asked (section PlaceHolders) and the puzzle cycle (section Cycles, key Puzzles).
namespace pelmora {

// The Windows directory as the game keeps it: upper-cased, ending in a backslash. The
// resolver finds the folder again on disk whatever its case.
QString gameWindowsDirectory(const QString& windowsDirectory);

class SettingsFile {
  public:
    explicit SettingsFile(const QString& winDir) : path_(winDir + "pelmora.ini") {}

    struct Reading {
        qint64 value;
        bool ok;         // false when nothing came back: the key is there with an empty value
        QString problem; // why the file, though there, could not be read: the default was taken
    };
    // The number at the start of the value, read as 24 characters at most.
    Reading readNumber(const QString& section, const QString& key, const QString& defaultValue,
                       platform::KeyMatch match = platform::KeyMatch::ExactFirst) const;
    // Writes the number without blanks; false when the file cannot be written, with problem
    // set when that is because the file cannot be read (it is then left as it is).
    bool writeNumber(const QString& section, const QString& key, qint64 value,
                     QString* problem = nullptr) const;

    const QString& path() const { return path_; }

  private:
    QString path_;
};

} // namespace pelmora
