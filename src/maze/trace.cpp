#include "trace.h"

#include <algorithm>
#include <cmath>

namespace maze {

Cell pointerCell(QPointF twips) {
    return {int(std::floor(twips.x() / CellTwips)), int(std::floor(twips.y() / CellTwips))};
}

void FindMoves(QUIBMAZE1& state, int x, int y) {
    const Grid& m = state.Maze;
    auto open = [&](int cx, int cy, int side) { return PassageOpen(m, cx, cy, side) == 1; };
    auto slot = [](bool passable, Cell cell) {
        return passable ? std::optional(cell) : std::nullopt;
    };
    state.Moves[1] = slot(x < Columns - 1 && open(x, y, Right) && open(x + 1, y, Left), {x + 1, y});
    state.Moves[2] = slot(y < Rows - 1 && open(x, y, Bottom) && open(x, y + 1, Top), {x, y + 1});
    state.Moves[3] = slot(y > 0 && open(x, y, Top) && open(x, y - 1, Bottom), {x, y - 1});
    state.Moves[4] = slot(x > 0 && open(x, y, Left) && open(x - 1, y, Right), {x - 1, y});
}

void pressMouse(QUIBMAZE1& state, Cell pointer) {
    if (state.TraceState != Tracing) {
        state.Moves = {};
        state.Moves[1] = Cell{state.StartX, state.StartY};
        state.ElapsedSeconds = 0;
        state.PathIndex = 0;
        state.Path[0] = pointer;
    }
    state.TraceState = Tracing;
}

void endTrace(QUIBMAZE1& state) {
    state.TraceState = NoTrace;
}

void tick(QUIBMAZE1& state) {
    ++state.ElapsedSeconds;
}

TraceStep moveMouse(QUIBMAZE1& state, Cell pointer) {
    if (state.TraceState != Tracing)
        return {};
    const auto allowed = std::find(state.Moves.begin() + 1, state.Moves.end(), pointer);
    if (allowed == state.Moves.end())
        return {TraceStep::Beep, {}, {}};
    state.Moves[5] = pointer;
    FindMoves(state, pointer.x, pointer.y);
    if (state.Maze[pointer.x][pointer.y] == FinishValue)
        return {TraceStep::Finished, {}, {}};

    TraceStep step{TraceStep::Box, pointer, {}};
    auto& path = state.Path;
    int& last = state.PathIndex;
    if (pointer == path[last])
        return step;
    if (last > 0 && pointer == path[last - 1]) {
        step.erased = path[last];
        --last;
        return step;
    }
    if (last == PathSlots - 1)
        std::shift_left(path.begin(), path.end(), 1);
    else
        ++last;
    path[last] = pointer;
    return step;
}

} // namespace maze
