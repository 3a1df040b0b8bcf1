#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The editor's rules for puzzle files, free of any window.
namespace pelmora::editor {

// Whether the editor takes a full path as a puzzle name: exactly three characters follow the
// first "." of the whole path, and they are not "bmp" (the picture would overwrite the puzzle).
bool isAcceptedPuzzleName(const QString& path);

// The picture beside a puzzle: the three characters after the path's first "." become "bmp".
QString picturePathFor(const QString& puzzlePath);

// The puzzle file the editor writes: the solution as typed, the picture path, "Cycle=1".
QByteArray puzzleFileBytes(const QString& solution, const QString& picturePath);

struct PuzzleHead {
    QString solution;
    QString picturePath;
};

// The first two lines of a puzzle file: nullopt when it cannot be read or has fewer lines.
std::optional<PuzzleHead> readPuzzleHead(const QString& path);

} // namespace pelmora::editor
