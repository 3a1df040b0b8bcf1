#include "scriptedservices.h"
#include "squares/board.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace squares;

namespace {

int square(int face, int column, int row) {
    return 9 * face + 3 * column + row;
}

// A board whose every square has its own colour: its index.
Board labelledBoard() {
    Board board;
    for (int i = 0; i < SquareCount; ++i)
        board.colour[i] = Colour(i);
    return board;
}

Cube1 tablesFor(int difficulty) {
    Cube1 cube;
    buildMoveTables(cube);
    setDifficultyEntries(cube, difficulty);
    return cube;
}

// Which squares each move pair exchanges, worked out from what the move means on the board.
using Exchange = std::set<std::pair<int, int>>;

Exchange columnWithFaceBelow(int face, int column) {
    Exchange e;
    for (int row = 0; row < 3; ++row)
        e.insert({square(face, column, row), square(face + 3, column, row)});
    return e;
}

Exchange rowWithNextFace(int face, int row) {
    Exchange e;
    for (int column = 0; column < 3; ++column)
        e.insert({square(face, column, row), square(face + 1, column, row)});
    return e;
}

Exchange rightColumnWithNextLeftColumn(int face) {
    Exchange e;
    for (int row = 0; row < 3; ++row)
        e.insert({square(face, 2, row), square(face + 1, 0, row)});
    return e;
}

Exchange bottomRowWithTopRowBelow(int face) {
    Exchange e;
    for (int column = 0; column < 3; ++column)
        e.insert({square(face, column, 2), square(face + 3, column, 0)});
    return e;
}

// Every move pair with the squares it exchanges, for one difficulty.
std::map<std::pair<int, int>, Exchange> expectedMoves(int difficulty) {
    std::map<std::pair<int, int>, Exchange> moves;
    for (int face = 0; face < 3; ++face)
        for (int column = 0; column < 3; ++column)
            moves[{square(face, column, 1), square(face + 3, column, 1)}] =
                columnWithFaceBelow(face, column);
    for (int face = 0; face < 5; ++face)
        for (int row = 0; row < 3; ++row)
            moves[{square(face, 1, row), square(face + 1, 1, row)}] = rowWithNextFace(face, row);
    if (difficulty == 1) {
        for (int face = 0; face < 5; ++face)
            moves[{square(face, 2, 1), square(face + 1, 0, 1)}] =
                rightColumnWithNextLeftColumn(face);
        for (int face = 0; face < 3; ++face)
            moves[{square(face, 1, 2), square(face + 3, 1, 0)}] = bottomRowWithTopRowBelow(face);
    }
    return moves;
}

void expectExchanged(const Board& after, const Exchange& exchange) {
    std::set<int> moved;
    for (auto [a, b] : exchange) {
        EXPECT_EQ(after.colour[a], Colour(b));
        EXPECT_EQ(after.colour[b], Colour(a));
        moved.insert(a);
        moved.insert(b);
    }
    for (int i = 0; i < SquareCount; ++i)
        if (!moved.count(i)) {
            EXPECT_EQ(after.colour[i], Colour(i)) << "square " << i << " should stay";
        }
}

} // namespace

TEST(MoveTables, ThePairsAreExactlyTheListedOnes) {
    // The listed table, written out as the pairs themselves.
    const std::set<std::pair<int, int>> both = {
        {1, 28},  {4, 31},  {7, 34},  {10, 37}, {13, 40}, {16, 43}, {19, 46}, {22, 49},
        {25, 52}, {3, 12},  {4, 13},  {5, 14},  {12, 21}, {13, 22}, {14, 23}, {21, 30},
        {22, 31}, {23, 32}, {30, 39}, {31, 40}, {32, 41}, {39, 48}, {40, 49}, {41, 50}};
    std::set<std::pair<int, int>> easy = both;
    easy.insert({{7, 10}, {16, 19}, {25, 28}, {34, 37}, {43, 46}, {5, 30}, {14, 39}, {23, 48}});
    for (int difficulty : {1, 2}) {
        const auto& listed = difficulty == 1 ? easy : both;
        const Cube1 cube = tablesFor(difficulty);
        std::set<std::pair<int, int>> found;
        for (int s = 0; s < SquareCount; ++s)
            for (int t = s + 1; t < SquareCount; ++t)
                if (findMove(cube, s, t))
                    found.insert({s, t});
        EXPECT_EQ(found, listed) << "difficulty " << difficulty;
    }
}

TEST(MoveTables, EveryPairSwapsItsRowsOrColumnsInBothDirections) {
    for (int difficulty : {1, 2}) {
        const Cube1 cube = tablesFor(difficulty);
        for (const auto& [pair, exchange] : expectedMoves(difficulty)) {
            for (auto [source, target] : {pair, std::pair{pair.second, pair.first}}) {
                SCOPED_TRACE(testing::Message() << "difficulty " << difficulty << ": " << source
                                                << " onto " << target);
                const std::optional<Move> move = findMove(cube, source, target);
                ASSERT_TRUE(move.has_value());
                EXPECT_EQ(move->handle, pair.first);
                Board board = labelledBoard();
                applyMove(board, cube, *move);
                expectExchanged(board, exchange);
            }
        }
    }
}

TEST(MoveTables, EveryOtherPairIsInvalid) {
    for (int difficulty : {1, 2}) {
        const Cube1 cube = tablesFor(difficulty);
        const auto moves = expectedMoves(difficulty);
        int valid = 0;
        for (int s = 0; s < SquareCount; ++s)
            for (int t = 0; t < SquareCount; ++t) {
                const bool listed = moves.count({s, t}) || moves.count({t, s});
                EXPECT_EQ(findMove(cube, s, t).has_value(), listed) << s << " onto " << t;
                valid += listed;
            }
        EXPECT_EQ(valid, 2 * (difficulty == 1 ? 32 : 24));
        EXPECT_FALSE(findMove(cube, -1, 0));
        EXPECT_FALSE(findMove(cube, 0, -1));
    }
}

TEST(MoveTables, SwitchingDifficultyBackRestoresTheExtraMoves) {
    Cube1 cube = tablesFor(2);
    EXPECT_FALSE(findMove(cube, 7, 10));
    setDifficultyEntries(cube, 1);
    ASSERT_TRUE(findMove(cube, 10, 7));
    Board board = labelledBoard();
    applyMove(board, cube, *findMove(cube, 10, 7));
    expectExchanged(board, rightColumnWithNextLeftColumn(0));
    // The column moves that share handles with the extra entries are untouched.
    EXPECT_TRUE(findMove(cube, 7, 34));
    EXPECT_TRUE(findMove(cube, 5, 14));
}

TEST(MoveTables, EdgeSquaresAreTheMiddlesOfEveryFaceSide) {
    Cube1 cube = tablesFor(1);
    int edges = 0;
    for (int i = 0; i < SquareCount; ++i) {
        const int p = i % 9;
        EXPECT_EQ(isEdgeSquare(cube, i), p == 1 || p == 3 || p == 5 || p == 7) << i;
        edges += isEdgeSquare(cube, i);
    }
    EXPECT_EQ(edges, 24);
}

TEST(RingTurn, OneStepMovesTheRingOnePlaceAroundTheCentre) {
    // The ring in screen order, clockwise from the top-left corner.
    const int ring[8] = {0, 3, 6, 7, 8, 5, 2, 1};
    for (int centre : Centres) {
        const int base = centre - 4;
        Board clockwise = labelledBoard();
        turnRing(clockwise, centre, true);
        Board anticlockwise = labelledBoard();
        turnRing(anticlockwise, centre, false);
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(clockwise.colour[base + ring[(k + 1) % 8]], Colour(base + ring[k]));
            EXPECT_EQ(anticlockwise.colour[base + ring[k]], Colour(base + ring[(k + 1) % 8]));
        }
        EXPECT_EQ(clockwise.colour[centre], Colour(centre));
        for (int i = 0; i < SquareCount; ++i)
            if (i / 9 != centre / 9) {
                EXPECT_EQ(clockwise.colour[i], Colour(i));
            }
    }
}

TEST(RingTurn, TwoStepsAreAQuarterTurnAndTurnsUndoEachOther) {
    Board board = labelledBoard();
    turnRing(board, 13, true);
    turnRing(board, 13, true);
    // Corner to corner: the top-left corner's colour is now top-right.
    EXPECT_EQ(board.colour[9 + 6], Colour(9 + 0));
    EXPECT_EQ(board.colour[9 + 8], Colour(9 + 6));
    turnRing(board, 13, false);
    turnRing(board, 13, false);
    EXPECT_EQ(board.colour, labelledBoard().colour);
    for (int i = 0; i < 8; ++i)
        turnRing(board, 40, true);
    EXPECT_EQ(board.colour, labelledBoard().colour);
}

TEST(RingTurn, OnlyCentresTurn) {
    Board board = labelledBoard();
    for (int square : {0, 3, 5, 53, -1})
        turnRing(board, square, true);
    EXPECT_EQ(board.colour, labelledBoard().colour);
}

TEST(WinTest, EveryFaceMustBeOneColour) {
    Board board;
    for (int i = 0; i < SquareCount; ++i)
        board.colour[i] = Colour(i / 9);
    EXPECT_TRUE(isSolved(board));
    for (int i : {0, 8, 13, 53}) {
        Board broken = board;
        broken.colour[i] = 99;
        EXPECT_FALSE(isSolved(broken)) << i;
    }
    // Faces need not differ from each other.
    board.colour.fill(Red);
    EXPECT_TRUE(isSolved(board));
    // A ring turn of a solved face keeps it solved.
    Board turned;
    for (int i = 0; i < SquareCount; ++i)
        turned.colour[i] = Colour(i / 9);
    turnRing(turned, 22, true);
    EXPECT_TRUE(isSolved(turned));
}

TEST(Scatter, EachColourTakesItsCentreFourEdgesAndFourCorners) {
    const Cube1 cube = tablesFor(1);
    shared::TimeSeededRandom random;
    std::map<int, int> redAt;
    for (int game = 0; game < 400; ++game) {
        Board board;
        board.colour.fill(DesignGrey);
        scatterNewGame(board, cube, random);
        std::map<Colour, std::pair<int, int>> counts; // edges, corners
        for (int i = 0; i < SquareCount; ++i) {
            if (isCentre(i))
                continue;
            auto& [edges, corners] = counts[board.colour[i]];
            (isEdgeSquare(cube, i) ? edges : corners)++;
            EXPECT_EQ(board.tag[i], Coloured);
            if (board.colour[i] == Red)
                redAt[i]++;
        }
        const Colour centres[] = {Red, Blue, Green, Yellow, White, Black};
        for (int f = 0; f < FaceCount; ++f) {
            EXPECT_EQ(board.colour[Centres[f]], centres[f]);
            EXPECT_EQ(board.tag[Centres[f]], Centre);
            EXPECT_EQ(counts[centres[f]], std::make_pair(4, 4)) << "colour " << f;
        }
        ASSERT_EQ(counts.size(), 6u) << "no square may keep the design grey";
    }
    // The scatter reaches the whole board, not only the first free squares.
    EXPECT_EQ(redAt.size(), 48u);
}

TEST(Scatter, RejectsTakenSquaresAndSquaresOfTheWrongKind) {
    const Cube1 cube = tablesFor(1);
    Board board;
    board.tag[1] = Coloured; // already taken
    // Draws: 0 (corner, edge wanted), 1 (taken), 4 (centre), then edges 3, 5, 7, 10,
    // then corners 0, 2, 6, 8.
    auto at = [](int r) { return (r + 0.5) / 54.0; };
    ScriptedRandom random(
        {at(0), at(1), at(4), at(3), at(5), at(7), at(10), at(0), at(2), at(6), at(8)});
    ScatterColour(board, cube, random, 13, Blue);
    EXPECT_TRUE(random.values.empty());
    for (int i : {13, 3, 5, 7, 10, 0, 2, 6, 8})
        EXPECT_EQ(board.colour[i], Blue) << i;
    EXPECT_NE(board.colour[1], Blue);
    EXPECT_NE(board.colour[4], Blue);
}

TEST(Scatter, ANewGameReseedsBeforeItsFirstDraw) {
    const Cube1 cube = tablesFor(1);
    // Notes "R" for every reseed and "d" for every draw.
    struct RecordingRandom : shared::RandomSource {
        shared::TimeSeededRandom real;
        std::string log;
        double next() override {
            log += 'd';
            return real.next();
        }
        void reseedFromTime() override {
            log += 'R';
            real.reseedFromTime();
        }
    } random;
    Board board;
    scatterNewGame(board, cube, random);
    ASSERT_GE(random.log.size(), 49u); // at least one draw for each of the 48 squares
    EXPECT_EQ(random.log.front(), 'R');
    EXPECT_EQ(std::count(random.log.begin(), random.log.end(), 'R'), 1);
}
