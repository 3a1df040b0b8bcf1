#pragma once

#include <QString>
#include <array>
#include <optional>

// The maze grid and the game's module state. Cell (c, r) covers the square from (200 c, 200 r)
// to (200 c + 200, 200 r + 200) twips; column 0 is the left column, row 0 the top row.
namespace maze {

inline constexpr int Columns = 36;
inline constexpr int Rows = 26;
inline constexpr int CellTwips = 200;

// Wall sides of a cell value 0..15; a set bit is a walled side.
inline constexpr int Top = 1;
inline constexpr int Left = 2;
inline constexpr int Bottom = 4;
inline constexpr int Right = 8;

inline constexpr double StartValue = 32;
inline constexpr double FinishValue = 64;

// Values come from the generator or from a file, which may hold fractions and negatives.
using Grid = std::array<std::array<double, Rows>, Columns>; // [column][row]

struct Cell {
    int x = 0;
    int y = 0;
    bool operator==(const Cell&) const = default;
};

inline constexpr int NoTrace = 2;
inline constexpr int Tracing = 1;
inline constexpr int PathSlots = 1001;

// The game's module state, kept for the life of the program.
struct QUIBMAZE1 {
    Grid Maze{};
    int StartX = 0;
    int StartY = 0;
    QString MazeFileName;

    int TraceState = 0; // neither Tracing nor NoTrace before the first press
    int ElapsedSeconds = 0;
    // Slots 1..4: the cells the trace may enter next (right, down, up, left); slot 5: the
    // current cell. Slot 0 is not used.
    std::array<std::optional<Cell>, 6> Moves{};
    std::array<Cell, PathSlots> Path{};
    int PathIndex = 0;
};

// 1 when the side of cell (x, y) counts as open, 0 when walled. The value is peeled from the
// top bit down, so values outside 0..15 read as the game has always read them: 16..31 open at
// the top only, 32 and above and everything below 1 open on every side.
int PassageOpen(const Grid& maze, int x, int y, int side);

bool inGrid(Cell cell);

} // namespace maze
