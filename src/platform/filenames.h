#pragma once

#include <QString>

// Names stored in the games' own files and settings come from another platform: upper-cased,
// with "\" between folders, or in another case than the file on disk. Such names go through
// resolveFileName before they are opened, read, rewritten or listed. A path from a file dialog
// or a command line is a real path and is used as it stands.
namespace platform {

// The path on disk for a stored name. A name that names an existing file or folder exactly as
// it stands is that one. Otherwise "\" separates folders; each part that exists on disk is
// matched ignoring case (an exact-case match wins, otherwise the first in sorted order); from
// the first part that does not exist on, the name is kept as given, so a new file is created
// under the name given, in the folder found.
QString resolveFileName(const QString& stored);

// The entry of folder named name ignoring case: the exact name when it exists, otherwise the
// first such entry in character-code order; empty when there is none.
QString findIgnoringCase(const QString& folder, const QString& name);

// The Windows directory: the "windir" environment value when it is set, otherwise the suite's
// own folder under the user's configuration home (created on first use). No trailing separator.
QString windowsDirectory();

} // namespace platform
