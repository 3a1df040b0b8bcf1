#include "nibbolet/board.h"
#include "scriptedservices.h"

#include <gtest/gtest.h>
#include <set>

using namespace nibbolet;

TEST(Spiral, TurningSquaresAndTheCaveSitWhereTheBoardPutsThem) {
    const int corners[][3] = {{0, 405, 1500},   {8, 405, 5340},   {20, 6165, 5340},
                              {29, 6165, 1020}, {39, 1365, 1020}, {46, 1365, 4380},
                              {54, 5205, 4380}, {58, 5205, 2460}, {59, 4725, 2460}};
    for (const auto& c : corners)
        EXPECT_EQ(squareRect(c[0]), QRect(c[1], c[2], 480, 480)) << c[0];
    EXPECT_EQ(squareRect(Cave), QRect(4230, 2460, 495, 480));
    std::set<std::pair<int, int>> cells;
    for (int s = 1; s < Cave; ++s) {
        cells.insert({squareRect(s).left(), squareRect(s).top()});
        EXPECT_EQ((squareRect(s).topLeft() - squareRect(s - 1).topLeft()).manhattanLength(), 480);
    }
    EXPECT_EQ(cells.size(), 59u);
}

TEST(SpecialSquares, DrawsFourteenDistinctSquaresFromSevenToFiftyNine) {
    // 0.1 gives 6 and the second 0.99 gives 59 again: both are drawn anew.
    std::deque<double> values = {0.1, 0.99, 0.99};
    for (int c = 10; c < 23; ++c)
        values.push_back((c + 0.5) / 60);
    ScriptedRandom scripted(values);
    const SpecialSquares drawn = drawSpecialSquares(scripted);
    EXPECT_EQ(drawn[1], 59);
    EXPECT_EQ(drawn[2], 10);
    EXPECT_EQ(drawn[14], 22);
    EXPECT_TRUE(scripted.values.empty());

    shared::TimeSeededRandom random;
    for (int seed = 0; seed < 200; ++seed) {
        random.reseed(seed);
        const SpecialSquares squares = drawSpecialSquares(random);
        const std::set<int> distinct(squares.begin() + 1, squares.end());
        ASSERT_EQ(distinct.size(), 14u);
        EXPECT_GE(*distinct.begin(), 7);
        EXPECT_LE(*distinct.rbegin(), 59);
    }
}
