#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// Peg solitaire on a triangle of holes: the holes, the jumps, the moves, the clock and the score.
namespace kavrinth {

inline constexpr int Rows = 7;
inline constexpr int MaxHoles = 28;
inline constexpr int JumpSlots = 6;
inline constexpr qint16 Piece = 0; // a piece stands in the hole
inline constexpr qint16 Empty = 1;
inline constexpr qint16 ClockLimit = 32767;

// Hole (row, column), both counted from 1, row by row from the apex.
constexpr int holeNumber(int row, int column) {
    return row * (row - 1) / 2 + column;
}
int rowOfHole(int hole);
int columnOfHole(int hole);

// Holes in play at level 1, 2 or 3.
int holeCountForLevel(int level);

// JumpTo[h][k] is where jump k from hole h lands, JumpOver[h][k] the hole it jumps over; slots
// 1..6 of holes 1..28, filled from slot 1 on, 0 where there is no jump.
struct JumpTable {
    std::array<std::array<qint16, JumpSlots + 1>, MaxHoles + 1> JumpTo{};
    std::array<std::array<qint16, JumpSlots + 1>, MaxHoles + 1> JumpOver{};
};
JumpTable buildJumpTable();

// The game's state, alive for the whole run.
struct Triangle {
    std::array<qint16, MaxHoles + 1> Board{}; // entries above HoleCount keep their last values
    JumpTable jumps;
    int HoleCount = 15;
    qint16 PegsRemoved = 0;
    qint16 ElapsedSeconds = 0;
    qint16 Score = 0;
    qint16 DragSource = 0;
    qint16 JumpedHole = 0;
    bool GameStarted = false;
    bool ClockRunning = false;
    QString PieceSetting;
};

// The rules' part of a new game: jump table, full board, everything reset.
void startNewGame(Triangle& game);

// The first removal of a game; false (nothing changes) once the game has started.
bool openingRemoval(Triangle& game, int hole);

enum class DragOver { Nothing, GameIsOver, NoPieceThere, OverEmptyHole, OverPiece };
// A dragged piece over a hole; the first call of a drag records its source.
DragOver dragOver(Triangle& game, int hole);

enum class Drop { OwnHole, Occupied, Invalid, Jumped };
struct DropOutcome {
    Drop result;
    int source = 0;
    int jumped = 0; // the hole jumped over by a valid move
    bool gameOver = false;
};
// Judges and makes the move of the dragged piece onto the target hole, then tests for moves
// left. Every drop forgets the drag source.
DropOutcome drop(Triangle& game, int target);

// Whether some piece in play can still jump into an empty hole in play.
bool movesLeft(const Triangle& game);

// One tick of the clock; false when it does not count (stopped, or at its limit).
bool clockTick(Triangle& game);

qint16 scoreFor(int pegsRemoved, int elapsedSeconds);
QString scoreCaption(int score);
QString timeCaption(int seconds);
QString gameOverText(const Triangle& game);

inline const QString GameIsOverText =
    "The game is over.  To play again,\rselect New from the Game Menu";
inline const QString NoPieceText = "There's no piece there.";
inline const QString OccupiedText = "Can't do that because there's a piece there.";
inline const QString InvalidMoveText = "That is an invalid move.";

} // namespace kavrinth
