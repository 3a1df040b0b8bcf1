#include "maze/trace.h"

#include <gtest/gtest.h>

using namespace maze;

namespace {

// A walled grid with a corridor along row 0 from the start at (2, 0) to the finish at (6, 0).
QUIBMAZE1 corridor() {
    QUIBMAZE1 state;
    for (auto& column : state.Maze)
        column.fill(15);
    state.Maze[2][0] = StartValue;
    for (int c = 3; c <= 5; ++c)
        state.Maze[c][0] = 15 - Left - Right;
    state.Maze[6][0] = FinishValue;
    state.StartX = 2;
    state.StartY = 0;
    return state;
}

TraceStep::Kind kindOf(QUIBMAZE1& state, Cell cell) {
    return moveMouse(state, cell).kind;
}

} // namespace

TEST(PointerCell, CellsAre200TwipsAndPositionsOffTheGridGiveCellsOffIt) {
    EXPECT_EQ(pointerCell({0, 0}), (Cell{0, 0}));
    EXPECT_EQ(pointerCell({199.9, 200}), (Cell{0, 1}));
    EXPECT_EQ(pointerCell({7199, 5199}), (Cell{35, 25}));
    EXPECT_EQ(pointerCell({7215, 5204}), (Cell{36, 26}));
    EXPECT_EQ(pointerCell({-1, -250}), (Cell{-1, -2}));
}

TEST(Trace, MovesDoNothingBeforeAPressAndAfterTheRelease) {
    QUIBMAZE1 state = corridor();
    EXPECT_EQ(kindOf(state, {2, 0}), TraceStep::Ignored);
    pressMouse(state, {2, 0});
    EXPECT_EQ(kindOf(state, {2, 0}), TraceStep::Box);
    endTrace(state);
    EXPECT_EQ(kindOf(state, {3, 0}), TraceStep::Ignored);
}

TEST(Trace, APressAwayFromTheStartMustEnterTheStartFirst) {
    QUIBMAZE1 state = corridor();
    state.ElapsedSeconds = 40;
    pressMouse(state, {10, 10});
    EXPECT_EQ(state.ElapsedSeconds, 0);
    EXPECT_EQ(state.Path[0], (Cell{10, 10}));
    EXPECT_EQ(kindOf(state, {10, 10}), TraceStep::Beep); // the pressed cell itself beeps
    EXPECT_EQ(kindOf(state, {3, 0}), TraceStep::Beep);
    const TraceStep step = moveMouse(state, {2, 0});
    EXPECT_EQ(step.kind, TraceStep::Box);
    EXPECT_EQ(step.box, (Cell{2, 0}));
    EXPECT_EQ(state.PathIndex, 1);
    EXPECT_EQ(state.Path[1], (Cell{2, 0}));
}

TEST(Trace, APressOnTheStartBeginsTheTrailThere) {
    QUIBMAZE1 state = corridor();
    pressMouse(state, {2, 0});
    EXPECT_EQ(moveMouse(state, {2, 0}).box, (Cell{2, 0}));
    EXPECT_EQ(state.PathIndex, 0);
    EXPECT_EQ(kindOf(state, {3, 0}), TraceStep::Box);
    EXPECT_EQ(state.PathIndex, 1);
}

TEST(Trace, WallsJumpsAndPlacesOffTheGridBeepAndKeepTheTrace) {
    QUIBMAZE1 state = corridor();
    pressMouse(state, {2, 0});
    moveMouse(state, {2, 0});
    moveMouse(state, {3, 0});
    for (Cell wrong : {Cell{5, 0}, Cell{3, 1}, Cell{3, -1}, Cell{-1, 0}, Cell{36, 0}})
        EXPECT_EQ(kindOf(state, wrong), TraceStep::Beep) << wrong.x << "," << wrong.y;
    EXPECT_EQ(state.PathIndex, 1);
    EXPECT_EQ(state.Moves[5], (Cell{3, 0}));
    EXPECT_EQ(kindOf(state, {4, 0}), TraceStep::Box);
}

TEST(Trace, GoingBackOneCellErasesTheCellLeftBehind) {
    QUIBMAZE1 state = corridor();
    pressMouse(state, {2, 0});
    for (int c : {2, 3, 4, 5})
        moveMouse(state, {c, 0});
    EXPECT_EQ(state.PathIndex, 3);
    TraceStep back = moveMouse(state, {4, 0});
    EXPECT_EQ(back.box, (Cell{4, 0}));
    EXPECT_EQ(back.erased, (Cell{5, 0}));
    back = moveMouse(state, {3, 0});
    EXPECT_EQ(back.erased, (Cell{4, 0}));
    EXPECT_EQ(state.PathIndex, 1);
    // Staying in the trail's last cell changes nothing.
    EXPECT_FALSE(moveMouse(state, {3, 0}).erased);
    EXPECT_EQ(state.PathIndex, 1);
}

TEST(Trace, EnteringTheFinishEndsWithoutABox) {
    QUIBMAZE1 state = corridor();
    pressMouse(state, {2, 0});
    for (int c : {2, 3, 4, 5})
        moveMouse(state, {c, 0});
    const TraceStep last = moveMouse(state, {6, 0});
    EXPECT_EQ(last.kind, TraceStep::Finished);
    EXPECT_FALSE(last.box);
    EXPECT_EQ(state.PathIndex, 3);
}

TEST(Trace, ASecondPressDuringATraceChangesNothing) {
    QUIBMAZE1 state = corridor();
    pressMouse(state, {2, 0});
    moveMouse(state, {2, 0});
    moveMouse(state, {3, 0});
    tick(state);
    tick(state);
    pressMouse(state, {20, 20});
    EXPECT_EQ(state.ElapsedSeconds, 2);
    EXPECT_EQ(state.Path[0], (Cell{2, 0}));
    EXPECT_EQ(kindOf(state, {4, 0}), TraceStep::Box);
}

TEST(Trace, ALongWalkAroundALoopKeepsTheLatestCellsAndItsUndo) {
    QUIBMAZE1 state; // all 0: every edge open
    state.Maze[0][0] = StartValue;
    pressMouse(state, {0, 0});
    const Cell loop[] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int i = 0; i < 1500; ++i)
        ASSERT_EQ(moveMouse(state, loop[i % 4]).kind, TraceStep::Box) << i;
    EXPECT_EQ(state.PathIndex, PathSlots - 1);
    EXPECT_EQ(state.Path[PathSlots - 1], loop[1499 % 4]);
    EXPECT_EQ(state.Path[PathSlots - 2], loop[1498 % 4]);
    const TraceStep back = moveMouse(state, loop[1498 % 4]);
    EXPECT_EQ(back.erased, loop[1499 % 4]);
    EXPECT_EQ(state.PathIndex, PathSlots - 2);
}
