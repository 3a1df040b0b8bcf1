#pragma once

#include "maze.h"

#include <QPointF>
#include <optional>

// Tracing a route with the mouse: a press starts a trace, the pointer must enter the start
// cell and then move through open edges one cell at a time; going back one cell undoes the
// last step, and entering the finish ends the trace.
namespace maze {

// The cell under a pointer position in twips; positions off the grid give cells off it.
Cell pointerCell(QPointF twips);

// Fills Moves slots 1..4 with the open neighbours of (x, y): right, down, up, left. An edge is
// open only when both cells that share it read open on their side.
void FindMoves(QUIBMAZE1& state, int x, int y);

// A press at the pointer's cell: starts a trace unless one runs, and restarts the clock.
void pressMouse(QUIBMAZE1& state, Cell pointer);
// A release, or the end of a completed course: no trace runs.
void endTrace(QUIBMAZE1& state);
// One tick of the seconds clock.
void tick(QUIBMAZE1& state);

// What the window has to show after a mouse move.
struct TraceStep {
    enum Kind { Ignored, Beep, Finished, Box } kind = Ignored;
    std::optional<Cell> box;    // the cell that gets a trail box
    std::optional<Cell> erased; // the cell whose trail box goes, on a step back
};

// A mouse move over the pointer's cell while a trace runs. A full trail forgets its oldest
// cell so that the trace can go on.
TraceStep moveMouse(QUIBMAZE1& state, Cell pointer);

} // namespace maze
