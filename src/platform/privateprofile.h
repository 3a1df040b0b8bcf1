#pragma once

#include <QString>

// Initialisation files of "[section]" lines and "key=value" lines, read and written the way
// the games expect of the platform's private-profile services.
namespace platform {

// Copies the value of key in section (or the default when the file, the section or the key is
// missing) into returned, at most size - 1 characters, and returns how many were copied.
// Sections and keys match ignoring case; a present key with an empty value gives 0.
int getPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                            QString* returned, int size, const QString& fileName);

// Sets key in section to value: a present key keeps its line's place, a new key goes to the
// end of its section, a new section to the end of the file; every other line stays. Creates
// the file but never a folder; saved whole and atomically with CR LF line ends. 0 on failure.
int writePrivateProfileString(const QString& section, const QString& key, const QString& value,
                              const QString& fileName);

} // namespace platform
