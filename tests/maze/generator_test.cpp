#include "maze/generator.h"
#include "mazeroute.h"
#include "scriptedservices.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace maze;
using namespace mazetest;

namespace {

// The values an attempt draws, written down move by move.
struct WalkScript {
    std::deque<double> values;

    void grid(int wallBits) { values.insert(values.end(), Columns * Rows, (wallBits + 0.5) / 16); }
    void start(int column) { values.push_back((column + 0.5) / 35); }
    void target(int x, int y) {
        values.push_back((x + 0.5) / 36);
        values.push_back((y + 0.5) / 26);
    }
    void directionDraw(int r) { values.push_back((r + 0.5) / 5); }
    // Direction draws in turn, the last one of them allowed, then a step.
    void drawsThenStep(std::initializer_list<int> draws) {
        for (int r : draws)
            directionDraw(r);
        step();
    }
    void stay() { values.push_back(0.1); }
    void step() { values.push_back(0.99); }
    // Draws one of 1 up, 2 left, 3 down, 4 right and steps, n times.
    void steps(int r, int n) {
        for (int i = 0; i < n; ++i) {
            directionDraw(r);
            step();
        }
    }
};

constexpr int Up = 1, LeftDraw = 2, Down = 3, RightDraw = 4;

// A zig-zag through a fully walled grid: right along row 0 to column `turn`, down, back left
// along row 1, down, and right along row 2 to the finish in column 35. Every step but the
// first leaves a walled side, so it takes 2 * turn + 36 counted removals.
WalkScript zigZag(int turn) {
    WalkScript s;
    s.grid(15);
    s.start(0);
    s.target(turn, 1);
    s.steps(RightDraw, turn);
    s.target(0, 2);
    s.steps(Down, 1);
    s.steps(LeftDraw, turn);
    s.target(35, 3);
    s.steps(Down, 1);
    s.steps(RightDraw, 35);
    return s;
}

} // namespace

TEST(BuildMaze, AWalkNeedingExactly90RemovalsIsAccepted) {
    ScriptedRandom random(zigZag(27).values);
    QUIBMAZE1 state;
    const Attempt attempt = buildMazeAttempt(state, random);
    EXPECT_TRUE(attempt.accepted);
    EXPECT_EQ(attempt.countedRemovals, 90);
    EXPECT_TRUE(random.values.empty());
    EXPECT_EQ(random.reseeds, 2);
    EXPECT_EQ(state.Maze[0][0], StartValue);
    EXPECT_EQ(state.Maze[35][2], FinishValue);
    EXPECT_EQ(state.StartX, 0);
    EXPECT_EQ(state.StartY, 0);
    // Every edge crossed is open on both sides; the rest keep their walls.
    EXPECT_EQ(state.Maze[1][0], 15 - Left - Right);
    EXPECT_EQ(state.Maze[27][0], 15 - Left - Bottom);
    EXPECT_EQ(state.Maze[27][1], 15 - Top - Left);
    EXPECT_EQ(state.Maze[0][1], 15 - Right - Bottom);
    EXPECT_EQ(state.Maze[0][2], 15 - Top - Right);
    EXPECT_EQ(state.Maze[28][0], 15);
    const auto route = findRoute(state.Maze, {0, 0}, {35, 2});
    ASSERT_TRUE(route);
    EXPECT_EQ(route->size(), 92u);
}

TEST(BuildMaze, The91stRemovalRejectsTheAttemptAtOnce) {
    ScriptedRandom random(zigZag(28).values);
    QUIBMAZE1 state;
    const Attempt attempt = buildMazeAttempt(state, random);
    EXPECT_FALSE(attempt.accepted);
    EXPECT_EQ(attempt.countedRemovals, 91);
    // 27 + 29 + 1 removals before row 2's run; its 34th step is the 91st and nothing after it
    // is drawn or moved: one scripted step is left over.
    EXPECT_EQ(random.values.size(), 2u);
    EXPECT_EQ(state.Maze[33][2], 15 - Left - Right);
    EXPECT_EQ(state.Maze[34][2], 15);
    EXPECT_TRUE(cellsWith(state.Maze, FinishValue).empty());
}

TEST(BuildMaze, FillsColumnByColumnThenDrawsTheStartThenTheTargetColumnBeforeItsRow) {
    // Every draw of the fill gives another value, so another fill order gives another grid.
    WalkScript s;
    for (int k = 0; k < Columns * Rows; ++k)
        s.values.push_back((k % 16 + 0.5) / 16);
    s.start(7);
    s.target(30, 25); // were the row drawn first, the target would lie in another quadrant
    s.steps(Down, Rows - 1);
    ScriptedRandom random(s.values);
    QUIBMAZE1 state;
    ASSERT_TRUE(buildMazeAttempt(state, random).accepted);
    EXPECT_TRUE(random.values.empty());
    for (int c = 0; c < Columns; ++c)
        for (int r = 0; r < Rows; ++r)
            if (c != 7) {
                EXPECT_EQ(state.Maze[c][r], (c * Rows + r) % 16) << c << ", " << r;
            }
    EXPECT_EQ(state.StartX, 7);
    EXPECT_EQ(state.Maze[7][0], StartValue);
    EXPECT_EQ(state.Maze[7][Rows - 1], FinishValue);
}

TEST(BuildMaze, DirectionDrawsFollowTheQuadrantAndAStayKeepsTheDirection) {
    WalkScript s;
    s.grid(0);
    s.start(34);
    s.target(10, 0);     // in the walker's row: dropped with no draws
    s.target(34, 9);     // in its column: dropped too
    s.target(35, 5);     // down and to the right
    s.directionDraw(0);  // no direction
    s.directionDraw(Up); // not allowed going down and right
    s.directionDraw(LeftDraw);
    s.directionDraw(RightDraw);
    s.stay();
    s.stay(); // keeps going right: no new direction is drawn
    s.step();
    ScriptedRandom random(s.values);
    QUIBMAZE1 state;
    const Attempt attempt = buildMazeAttempt(state, random);
    EXPECT_TRUE(attempt.accepted);
    EXPECT_EQ(attempt.countedRemovals, 0);
    EXPECT_TRUE(random.values.empty());
    EXPECT_EQ(state.Maze[34][0], StartValue);
    EXPECT_EQ(state.Maze[35][0], FinishValue); // a finish in the top row
    EXPECT_EQ(state.StartX, 34);
}

TEST(BuildMaze, EachQuadrantAllowsItsTwoDirectionsOnly) {
    WalkScript s;
    s.grid(0);
    s.start(20);
    s.target(10, 1); // down and left
    s.drawsThenStep({Up, RightDraw, Down});
    s.target(21, 0); // from (20, 1): up and right
    s.drawsThenStep({Down, LeftDraw, RightDraw});
    s.target(0, 0); // from (21, 1): up and left
    s.drawsThenStep({Down, RightDraw, Up});
    s.target(35, 25); // from (21, 0): down and right
    s.drawsThenStep({LeftDraw, Up, RightDraw});
    s.steps(RightDraw, 13); // to (35, 0)
    ScriptedRandom random(s.values);
    QUIBMAZE1 state;
    EXPECT_TRUE(buildMazeAttempt(state, random).accepted);
    EXPECT_TRUE(random.values.empty());
    EXPECT_EQ(state.Maze[35][0], FinishValue);
    EXPECT_EQ(cellsWith(state.Maze, FinishValue).size(), 1u);
}

TEST(BuildMaze, AcceptedMazesHaveOneStartOneFinishAndAnOpenRoute) {
    int attempts = 0;
    for (std::uint64_t seed = 0; seed < 400; ++seed) {
        SeededRandom random(seed);
        QUIBMAZE1 state;
        Attempt attempt;
        do {
            attempt = buildMazeAttempt(state, random);
            ++attempts;
        } while (!attempt.accepted);
        SCOPED_TRACE(seed);
        EXPECT_LE(attempt.countedRemovals, MaxCountedRemovals);
        const std::vector<Cell> starts = cellsWith(state.Maze, StartValue);
        ASSERT_EQ(starts.size(), 1u);
        EXPECT_EQ(starts[0], (Cell{state.StartX, state.StartY}));
        EXPECT_EQ(starts[0].y, 0);
        EXPECT_LT(starts[0].x, Columns - 1);
        const std::vector<Cell> finishes = cellsWith(state.Maze, FinishValue);
        ASSERT_EQ(finishes.size(), 1u);
        EXPECT_TRUE(finishes[0].y == Rows - 1 || finishes[0].x == Columns - 1);
        int others = 0;
        for (const auto& column : state.Maze)
            others += int(std::count_if(column.begin(), column.end(),
                                        [](double v) { return v >= 0 && v <= 15 && v == int(v); }));
        EXPECT_EQ(others, Columns * Rows - 2);
        EXPECT_TRUE(findRoute(state.Maze, starts[0], finishes[0]));
    }
    EXPECT_GT(attempts, 400); // some attempts are rejected, or the limit is never reached
}

TEST(BuildMaze, AttemptsInQuickSuccessionNeverRepeat) {
    shared::TimeSeededRandom random;
    std::set<std::vector<double>> seen;
    for (int i = 0; i < 50; ++i) {
        QUIBMAZE1 state;
        buildMazeAttempt(state, random);
        std::vector<double> cells;
        for (const auto& column : state.Maze)
            cells.insert(cells.end(), column.begin(), column.end());
        EXPECT_TRUE(seen.insert(cells).second) << "attempt " << i << " repeated an earlier one";
    }
}
