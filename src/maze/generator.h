#pragma once

#include "maze.h"
#include "shared/random.h"

namespace maze {

// More wall removals than this on the walker's side make an attempt fail.
inline constexpr int MaxCountedRemovals = 90;

// One attempt at a random maze: random walls, a start in the top row, then a random walk
// from the start that opens every edge it crosses until it reaches the bottom row or the
// right column, where the finish goes. Rewrites Maze, StartX and StartY. Rejected as soon as
// the walker has to take down more than MaxCountedRemovals walls on its leaving side; the grid
// then holds the unfinished attempt. Reseeds the random source twice; callers retry until an
// attempt is accepted.
struct Attempt {
    bool accepted = false;
    int countedRemovals = 0;
};
Attempt buildMazeAttempt(QUIBMAZE1& state, shared::RandomSource& random);

} // namespace maze
