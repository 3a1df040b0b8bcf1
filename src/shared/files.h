#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The one way every game reads and writes its files. Paths are used as they stand, as a file
// dialog or the directory listing gives them ("\" is an ordinary character). A name stored in
// the games' own files or settings goes through platform::resolveFileName first, at the place
// that knows where the name came from.
namespace shared {

// Size limits callers pass to readFile: what their formats can use, and no more.
namespace limit {
inline constexpr qint64 SmallFile = 64 * 1024;      // saved games, mazes, settings
inline constexpr qint64 DataFile = 4 * 1024 * 1024; // puzzle sets, category files, pelmora.ini
inline constexpr qint64 Sound = 32 * 1024 * 1024;   // wave files; pictures: bitmapfile.h
} // namespace limit

// Reads a regular file of at most maxBytes. nullopt when it cannot, with problem set to a
// sentence in our words that names no path ("It is a folder, not a file."); kind is what the
// caller calls such a file in that sentence ("It is a folder, not a saved game.").
std::optional<QByteArray> readFile(const QString& path, qint64 maxBytes, QString* problem,
                                   const QString& kind = QStringLiteral("file"));

// The first maxBytes bytes of a regular file, or all of a shorter one: for text formats that
// use only their first lines or items and ignore the rest. Refuses what readFile refuses, except
// a file larger than maxBytes. A larger file is cut up to three bytes earlier where maxBytes
// would split a UTF-8 character, so the cut alone never makes its text read as single bytes;
// cut, when given, tells whether the file was larger.
std::optional<QByteArray> readFilePrefix(const QString& path, qint64 maxBytes, QString* problem,
                                         const QString& kind = QStringLiteral("file"),
                                         bool* cut = nullptr);

// What readFile says of a file larger than maxBytes.
QString tooLarge(qint64 maxBytes, const QString& kind);

// Replaces the file whole: writes a temporary file beside it, checks every write and the flush
// to disk, then renames it over the target. On any failure the old file stays as it was, the
// temporary file is removed, and problem says why. A folder, device or pipe of that name is
// refused; a link to a file keeps its link and gets its target replaced.
bool saveFile(const QString& path, const QByteArray& content, QString* problem,
              const QString& kind = QStringLiteral("file"));

} // namespace shared
