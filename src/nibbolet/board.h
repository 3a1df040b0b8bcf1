#pragma once

#include "shared/random.h"

#include <QRect>
#include <QString>
#include <array>

// The race board: 61 squares laid as a spiral, the cave on the last, and the hidden special
// squares with their events.
namespace nibbolet {

inline constexpr int SquareCount = 61;
inline constexpr int Cave = 60;
inline constexpr int InStartBox = -1;
inline constexpr int SpecialCount = 14;
inline constexpr int FirstSpecial = 7;
inline constexpr int LastSpecial = 59;
// Rows 1 to 7 of the event table are good news, 8 to 14 bad.
inline constexpr int LastGoodNews = 7;

// Where a square sits on the window, in twips.
QRect squareRect(int square);

// What a special square finds, says and does.
struct SquareEvent {
    QString finding;
    QString instruction;
    int move; // signed number of squares
    QString picture;
    QString sound;
};

// Row k (1 to 14) of the event table.
const SquareEvent& squareEvent(int k);
QString eventTitle(int k);
// The finding, a carriage return, the instruction.
QString eventText(int k);

// Entries 1 to 14: distinct board squares in 7..59, drawn in order; entry 0 is not used.
using SpecialSquares = std::array<int, SpecialCount + 1>;
SpecialSquares drawSpecialSquares(shared::RandomSource& random);

} // namespace nibbolet
