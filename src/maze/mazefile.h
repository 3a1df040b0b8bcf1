#pragma once

#include "maze.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

// .maz files: 26 lines, one a row from the top, each of 36 two-character fields read as
// numbers. Only read, never written.
namespace maze {

struct MazeFile {
    Grid maze{};
    // The last cell of value 32 in reading order, when the file has one.
    std::optional<Cell> start;
};

// The maze in a file's content, or the reason it cannot be one (it ends too soon).
std::variant<MazeFile, QString> parseMazFile(const QByteArray& content);
// Reads a whole .maz file; the reason when it cannot be read or is too short.
std::variant<MazeFile, QString> readMazFile(const QString& path);

// Puts a read maze in place: the grid, and the start when the file gave one.
void applyMazeFile(QUIBMAZE1& state, const MazeFile& file);

} // namespace maze
