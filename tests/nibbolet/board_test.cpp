#include "nibbolet/board.h"
#include "nibbolet/computerplayer.h"
#include "scriptedservices.h"

#include <gtest/gtest.h>
#include <set>

using namespace nibbolet;

TEST(Spiral, TurningSquaresAndTheCaveSitWhereTheBoardPutsThem) {
    const struct {
        int square, left, top;
    } corners[] = {{0, 405, 1500},   {8, 405, 5340},   {20, 6165, 5340},
                   {29, 6165, 1020}, {39, 1365, 1020}, {46, 1365, 4380},
                   {54, 5205, 4380}, {58, 5205, 2460}, {59, 4725, 2460}};
    for (const auto& c : corners)
        EXPECT_EQ(squareRect(c.square), QRect(c.left, c.top, 480, 480)) << c.square;
    EXPECT_EQ(squareRect(Cave), QRect(4230, 2460, 495, 480));
}

TEST(Spiral, EachSquareIsANewCellBesideTheOneBefore) {
    std::set<std::pair<int, int>> cells;
    for (int s = 0; s < Cave; ++s) {
        cells.insert({squareRect(s).left(), squareRect(s).top()});
        if (s > 0) {
            const QPoint step = squareRect(s).topLeft() - squareRect(s - 1).topLeft();
            EXPECT_EQ(step.manhattanLength(), 480) << s;
        }
    }
    EXPECT_EQ(cells.size(), 60u);
}

TEST(SpecialSquares, EventTableRowsSayWhatTheyDo) {
    const int moves[] = {3, 3, 5, 3, 3, 3, 5, -3, -5, -6, -3, -3, -5, -3};
    for (int k = 1; k <= SpecialCount; ++k) {
        EXPECT_EQ(squareEvent(k).move, moves[k - 1]) << k;
        EXPECT_EQ(eventTitle(k), k <= 7 ? "Good News" : "Bad News") << k;
        const QString direction = moves[k - 1] > 0 ? "Move forward %1." : "Move back %1.";
        EXPECT_EQ(eventText(k).section(QChar(13), 1), direction.arg(std::abs(moves[k - 1])));
    }
    EXPECT_EQ(eventText(10), QString("Here you find the Farmer's Wife.\rMove back 6."));
    EXPECT_EQ(squareEvent(11).picture.toLower(), squareEvent(14).picture.toLower());
}

TEST(SpecialSquares, DrawsFourteenDistinctSquaresFromSevenToFiftyNine) {
    // 0.1 gives 6 and 0.99 gives 59 twice: both are drawn again.
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

TEST(ComputerPlayer, WaitsThenStartsThenStopsTheDice) {
    int ticks = 0;
    for (int turn = 0; turn < 2; ++turn) {
        const ComputerTick first = computerTick(ticks);
        const ComputerTick second = computerTick(ticks);
        const ComputerTick third = computerTick(ticks);
        EXPECT_EQ(first.action, ComputerAction::Nothing);
        EXPECT_EQ(first.nextIntervalMs, 100);
        EXPECT_EQ(second.action, ComputerAction::StartDice);
        EXPECT_EQ(second.nextIntervalMs, 1000);
        EXPECT_EQ(third.action, ComputerAction::StopDice);
        EXPECT_EQ(third.nextIntervalMs, 0);
        EXPECT_EQ(ticks, 0);
    }
}
