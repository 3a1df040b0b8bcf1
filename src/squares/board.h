#pragma once

#include "shared/random.h"

#include <QString>
#include <array>
#include <optional>

// The Squares board: 54 coloured squares in six 3 x 3 faces, the move tables, the moves, the
// new-game scatter and the win test. Face f holds squares 9f..9f+8; within a face, position
// p counts down the columns (column p / 3, row p % 3), so p 4 is the centre.
namespace squares {

inline constexpr int SquareCount = 54;
inline constexpr int FaceCount = 6;
inline constexpr std::array<int, FaceCount> Centres = {4, 13, 22, 31, 40, 49};

using Colour = unsigned; // &H00BBGGRR
inline constexpr Colour Red = 0x0000FF;
inline constexpr Colour Blue = 0xFF0000;
inline constexpr Colour Green = 0x00FF00;
inline constexpr Colour Yellow = 0x00FFFF;
inline constexpr Colour White = 0xFFFFFF;
inline constexpr Colour Black = 0x000000;
inline constexpr Colour DesignGrey = 0xC0C0C0;
inline constexpr Colour MaxColour = 0xFFFFFF;

enum MoveKind { ColumnMove = 1, RowMove = 2 };
inline constexpr int NoPartner = -1;

// Tag values of the scatter: centres keep Centre, the rest are Free or Coloured.
enum Tag { Free = 0, Coloured = 1, Centre = 2 };

struct Board {
    Board();
    std::array<Colour, SquareCount> colour;
    std::array<Tag, SquareCount> tag;
};

// The game's module state.
struct Cube1 {
    Cube1();
    int DragStart = -1;
    int MovePartner[SquareCount][3];  // [square][kind 1..2]; NoPartner where none
    int MoveSwaps[SquareCount][3][7]; // [square][kind][slot 1..6]: 1<->4, 2<->5, 3<->6
    std::array<int, 25> EdgeSquares;  // [1..24]
    QString CurrentFile;
};

// Fills the column and row move tables and the edge-square list.
void buildMoveTables(Cube1& cube);
// Sets (difficulty 1) or clears (difficulty 2) the extra entries of difficulty 1.
void setDifficultyEntries(Cube1& cube, int difficulty);

struct Move {
    int handle;
    int kind;
    bool operator==(const Move&) const = default;
};

// The move a drop of square `source` on square `target` makes, if the pair is one.
std::optional<Move> findMove(const Cube1& cube, int source, int target);
// Exchanges the three pairs of squares of the move.
void applyMove(Board& board, const Cube1& cube, Move move);
// Turns the outer ring of the face around `centre` one place.
void turnRing(Board& board, int centre, bool clockwise);
bool isCentre(int square);
// True when every face is one colour.
bool isSolved(const Board& board);
bool isEdgeSquare(const Cube1& cube, int square);

// Colours the centre and four free edge and four free corner squares with the colour.
void ScatterColour(Board& board, const Cube1& cube, shared::RandomSource& random, int centre,
                   Colour colour);
// Reseeds and scatters all six colours over the board, as a new game does.
void scatterNewGame(Board& board, const Cube1& cube, shared::RandomSource& random);

} // namespace squares
