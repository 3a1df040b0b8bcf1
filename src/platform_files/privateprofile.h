#pragma once

#include <QString>

// Initialisation files of "[section]" lines and "key=value" lines, read and written the way
// the games expect of the platform's private-profile services. A file is read and rewritten
// in its own text encoding (shared/textfile.h); it may be as large as a data file.
namespace platform {

// How a key finds its line: exactly first, else in another case, as files written where
// names ignore case hold them; or exactly only, for a key that has a twin differing from it
// only in case, whose line it must not take.
enum class KeyMatch { ExactFirst, ExactOnly };

// Copies the value of key in section (or the default when the file, the section or the key is
// missing) into returned, at most size - 1 characters, and returns how many were copied.
// Sections match ignoring case; a key as match says, so two keys that differ only in case keep
// their own values. A present key with an empty value gives 0. When the file is there but
// cannot be read (too large, a folder, not allowed), the default is copied and problem says
// why.
int getPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                            QString* returned, int size, const QString& fileName,
                            QString* problem = nullptr, KeyMatch match = KeyMatch::ExactFirst);

// Sets key in section to value: the line of that exact key keeps its place, a new key goes to
// the end of its section, a new section to the end of the file; every other line stays. Any
// key reads back: one holding "=" or blanks at its ends is written in double quotes. Creates
// the file but never a folder; saved whole and atomically with CR LF line ends. 0 on failure;
// a file that is there but cannot be read is never rewritten, and problem says why.
int writePrivateProfileString(const QString& section, const QString& key, const QString& value,
                              const QString& fileName, QString* problem = nullptr);

} // namespace platform
