#include "generator.h"

namespace maze {

namespace {

constexpr int NoDirection = 0;

// Quadrants of the target seen from the walker.
enum Quadrant { UpLeft = 1, DownRight = 2, UpRight = 3, DownLeft = 4 };

Quadrant quadrantOf(int hx, int vy) {
    if (hx == -1 && vy == -1)
        return UpLeft;
    if (hx == 1 && vy == 1)
        return DownRight;
    return vy == -1 ? UpRight : DownLeft;
}

// The direction a draw of 0..4 gives in a quadrant, or none when the quadrant forbids it.
int directionFor(Quadrant quadrant, int draw) {
    switch (draw) {
    case 1:
        return quadrant == UpLeft || quadrant == UpRight ? Top : NoDirection;
    case 2:
        return quadrant == UpLeft || quadrant == DownLeft ? Left : NoDirection;
    case 3:
        return quadrant == DownRight || quadrant == DownLeft ? Bottom : NoDirection;
    case 4:
        return quadrant == DownRight || quadrant == UpRight ? Right : NoDirection;
    default:
        return NoDirection;
    }
}

int opposite(int side) {
    switch (side) {
    case Top:
        return Bottom;
    case Left:
        return Right;
    case Bottom:
        return Top;
    default:
        return Left;
    }
}

Cell stepped(Cell cell, int side) {
    switch (side) {
    case Top:
        return {cell.x, cell.y - 1};
    case Left:
        return {cell.x - 1, cell.y};
    case Bottom:
        return {cell.x, cell.y + 1};
    default:
        return {cell.x + 1, cell.y};
    }
}

} // namespace

Attempt buildMazeAttempt(QUIBMAZE1& state, shared::RandomSource& random) {
    Grid& maze = state.Maze;
    Attempt attempt;
    int& countedRemovals = attempt.countedRemovals;
    random.reseedFromTime();
    for (int c = 0; c < Columns; ++c)
        for (int r = 0; r < Rows; ++r)
            maze[c][r] = shared::randomBelow(random, 16);
    const int start = shared::randomBelow(random, Columns - 1);
    maze[start][0] = StartValue;
    state.StartX = start;
    state.StartY = 0;

    Cell walker{start, 0};
    int direction = NoDirection;
    bool done = false;
    random.reseedFromTime();
    while (!done) {
        const int tx = shared::randomBelow(random, Columns);
        const int ty = shared::randomBelow(random, Rows);
        const Quadrant quadrant = quadrantOf(tx < walker.x ? -1 : 1, ty < walker.y ? -1 : 1);
        // The walk towards a target ends once the walker shares its column or row.
        while (walker.x != tx && walker.y != ty) {
            while (direction == NoDirection)
                direction = directionFor(quadrant, shared::randomBelow(random, 5));
            if (shared::randomBelow(random, 3) == 0)
                continue; // stays put and keeps its direction
            if (PassageOpen(maze, walker.x, walker.y, direction) == 0) {
                maze[walker.x][walker.y] -= direction;
                if (++countedRemovals > MaxCountedRemovals)
                    return attempt;
            }
            walker = stepped(walker, direction);
            const int arriving = opposite(direction);
            if (PassageOpen(maze, walker.x, walker.y, arriving) == 0)
                maze[walker.x][walker.y] -= arriving;
            if (walker.y == Rows - 1 || walker.x == Columns - 1) {
                done = true;
                maze[walker.x][walker.y] = FinishValue;
            }
            direction = NoDirection;
        }
    }
    attempt.accepted = true;
    return attempt;
}

} // namespace maze
