#pragma once

#include "shared/textfile.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The editor's rules for puzzle names and what it reads back, free of any window.
namespace pelmora::editor {

// Whether the editor takes a full path as a puzzle name: exactly three characters follow the
// first "." of the whole path, and they are not "bmp" (the picture would overwrite the puzzle).
bool isAcceptedPuzzleName(const QString& path);

// The picture beside a puzzle: the three characters after the path's first "." become "bmp".
QString picturePathFor(const QString& puzzlePath);

struct PuzzleHead {
    QString solution;
    QString picturePath;
    shared::TextEncoding encoding; // the file's, which a save of the puzzle keeps
};

// The first two lines of a puzzle file: nullopt when it cannot be read or has fewer lines.
std::optional<PuzzleHead> readPuzzleHead(const QString& path);

} // namespace pelmora::editor
