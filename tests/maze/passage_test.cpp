#include "maze/maze.h"
#include "maze/trace.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace maze;

namespace {

Grid gridOf(double value) {
    Grid grid;
    for (auto& column : grid)
        column.fill(value);
    return grid;
}

} // namespace

TEST(PassageOpen, PeelsTheValueFromTheTopBitDown) {
    const struct {
        double value;
        const char* open; // the sides that read open, in the order top, left, bottom, right
    } cases[] = {
        {0, "TLBR"},  {1, "LBR"},   {5, "LR"},     {10, "TB"},   {15, ""},       {16, "T"},
        {17, "T"},    {31, "T"},    {32, "TLBR"},  {33, "TLBR"}, {64, "TLBR"},   {99, "TLBR"},
        {-1, "TLBR"}, {-9, "TLBR"}, {0.5, "TLBR"}, {1.5, "TBR"}, {2.5, "TBR"},   {3.5, "TLR"},
        {7.5, "TLB"}, {8, "TLB"},   {9.5, "TB"},   {15.5, "T"},  {31.5, "TLBR"},
    };
    const struct {
        char letter;
        int side;
    } sides[] = {{'T', Top}, {'L', Left}, {'B', Bottom}, {'R', Right}};
    for (const auto& c : cases) {
        const Grid grid = gridOf(c.value);
        for (const auto& side : sides) {
            const int expected = std::strchr(c.open, side.letter) ? 1 : 0;
            EXPECT_EQ(PassageOpen(grid, 3, 4, side.side), expected)
                << "value " << c.value << " side " << side.letter;
        }
    }
}

TEST(FindMoves, AnEdgeIsOpenOnlyWhenBothCellsLeaveItOpen) {
    QUIBMAZE1 state;
    state.Maze = gridOf(15);
    state.Maze[5][5] = 0; // open all round, but its neighbours are walled
    FindMoves(state, 5, 5);
    for (int slot = 1; slot <= 4; ++slot)
        EXPECT_FALSE(state.Moves[slot]) << slot;

    state.Maze[6][5] = 15 - Left; // right neighbour opens its left side
    state.Maze[5][6] = 15 - Top;  // lower neighbour opens its top
    state.Maze[5][4] = 0.5;       // a fraction below 1 is open everywhere
    state.Maze[4][5] = 15 - Left; // left neighbour opens the wrong side
    FindMoves(state, 5, 5);
    EXPECT_EQ(state.Moves[1], (Cell{6, 5}));
    EXPECT_EQ(state.Moves[2], (Cell{5, 6}));
    EXPECT_EQ(state.Moves[3], (Cell{5, 4}));
    EXPECT_FALSE(state.Moves[4]);

    state.Maze[5][5] = 15; // and both sides are needed the other way round too
    FindMoves(state, 5, 5);
    for (int slot = 1; slot <= 4; ++slot)
        EXPECT_FALSE(state.Moves[slot]) << slot;
}

TEST(FindMoves, TheGridsBorderIsShutEvenWhereCellsAreOpen) {
    QUIBMAZE1 state;
    state.Maze = gridOf(0);
    FindMoves(state, 0, 0);
    EXPECT_EQ(state.Moves[1], (Cell{1, 0}));
    EXPECT_EQ(state.Moves[2], (Cell{0, 1}));
    EXPECT_FALSE(state.Moves[3]);
    EXPECT_FALSE(state.Moves[4]);
    FindMoves(state, Columns - 1, Rows - 1);
    EXPECT_FALSE(state.Moves[1]);
    EXPECT_FALSE(state.Moves[2]);
    EXPECT_EQ(state.Moves[3], (Cell{35, 24}));
    EXPECT_EQ(state.Moves[4], (Cell{34, 25}));
}
