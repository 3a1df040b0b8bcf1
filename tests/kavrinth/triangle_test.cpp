#include "kavrinth/triangle.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace kavrinth;

namespace {

// The triangle's holes as (row, column), numbered here by walking the rows.
std::map<int, std::pair<int, int>> holePlaces() {
    std::map<int, std::pair<int, int>> places;
    int n = 0;
    for (int r = 1; r <= 7; ++r)
        for (int c = 1; c <= r; ++c)
            places[++n] = {r, c};
    return places;
}

Triangle newGame(int level) {
    Triangle game;
    game.HoleCount = holeCountForLevel(level);
    startNewGame(game);
    return game;
}

// Holes 1..HoleCount empty except the given ones.
void onlyPieces(Triangle& game, std::initializer_list<int> holes) {
    for (int h = 1; h <= game.HoleCount; ++h)
        game.Board[h] = Empty;
    for (int h : holes)
        game.Board[h] = Piece;
}

DropOutcome move(Triangle& game, int from, int to) {
    dragOver(game, from);
    dragOver(game, to);
    return drop(game, to);
}

} // namespace

TEST(JumpTable, EveryJumpGoesTwoHolesStraightOverTheNeighbour) {
    const auto places = holePlaces();
    const JumpTable table = buildJumpTable();
    const std::set<int> twoJumps = {1, 2, 3, 5, 16, 17, 20, 21, 22, 23, 27, 28};
    const std::set<std::pair<int, int>> directions = {{0, 1}, {0, -1}, {1, 0},
                                                      {1, 1}, {-1, 0}, {-1, -1}};
    int total = 0;
    for (int h = 1; h <= 28; ++h) {
        const auto [r, c] = places.at(h);
        EXPECT_EQ(holeNumber(r, c), h);
        std::set<int> landings;
        int filled = 0;
        for (int k = 1; k <= 6; ++k) {
            const int to = table.JumpTo[h][k], over = table.JumpOver[h][k];
            if (to == 0) {
                EXPECT_EQ(over, 0);
                continue;
            }
            EXPECT_EQ(filled, k - 1) << "gap before slot " << k << " of hole " << h;
            filled = k;
            landings.insert(to);
            const auto [tr, tc] = places.at(to);
            const auto [orow, oc] = places.at(over);
            EXPECT_TRUE(directions.count({orow - r, oc - c})) << h << " over " << over;
            EXPECT_EQ(tr - r, 2 * (orow - r));
            EXPECT_EQ(tc - c, 2 * (oc - c));
        }
        // Every direction whose landing hole lies in the triangle is there, each once.
        int possible = 0;
        for (const auto& [dr, dc] : directions)
            possible +=
                r + 2 * dr >= 1 && r + 2 * dr <= 7 && c + 2 * dc >= 1 && c + 2 * dc <= r + 2 * dr;
        EXPECT_EQ(int(landings.size()), filled);
        EXPECT_EQ(filled, possible);
        EXPECT_EQ(filled, h == 13 ? 6 : twoJumps.count(h) ? 2 : 4) << "hole " << h;
        total += filled;
    }
    EXPECT_EQ(total, 90);
    EXPECT_EQ(table.JumpTo[0], (std::array<qint16, 7>{}));
}

TEST(MovesLeft, CountOnlyLandingHolesInPlay) {
    struct Case {
        int level;
        std::initializer_list<int> pieces;
        bool left;
    };
    const Case cases[] = {
        {1, {1, 2}, true},            // 1 over 2 into 4
        {1, {1, 4}, false},           // nothing between them
        {1, {1, 2, 4, 7, 11}, false}, // 7 over 11 would land in 16, not in play
        {2, {1, 2, 4, 7, 11}, true},  // ... which level 2 has
        {2, {16, 22}, false},         // 22 is not in play
        {3, {16, 22}, true},          // 22 over 16 into 11
        {3, {26, 27}, true},          // 26 over 27 into 28
        {3, {22, 24, 26, 28}, false},
    };
    for (const Case& c : cases) {
        Triangle game = newGame(c.level);
        onlyPieces(game, c.pieces);
        // Holes above the level keep stale values, which never count either way.
        for (qint16 stale : {Empty, Piece}) {
            for (int h = game.HoleCount + 1; h <= 28; ++h)
                game.Board[h] = stale;
            EXPECT_EQ(movesLeft(game), c.left) << "level " << c.level << " stale " << stale;
        }
    }
}

TEST(Game, FromTheOpeningRemovalToGameOver) {
    Triangle game = newGame(1);
    ASSERT_TRUE(openingRemoval(game, 1));
    EXPECT_FALSE(openingRemoval(game, 2)); // only the first click removes a piece
    int ticks = 0;
    while (game.ClockRunning && ticks < 15) {
        int from = 0, to = 0;
        for (int h = 1; h <= 15 && !from; ++h)
            for (int k = 1; k <= 6 && !from; ++k) {
                const int t = game.jumps.JumpTo[h][k];
                if (t >= 1 && t <= 15 && game.Board[h] == Piece && game.Board[t] == Empty &&
                    game.Board[game.jumps.JumpOver[h][k]] == Piece)
                    from = h, to = t;
            }
        ASSERT_NE(from, 0) << "the game went on without a move left";
        ASSERT_TRUE(clockTick(game));
        ++ticks;
        const DropOutcome outcome = move(game, from, to);
        ASSERT_EQ(outcome.result, Drop::Jumped);
        EXPECT_EQ(outcome.gameOver, !movesLeft(game));
    }
    EXPECT_FALSE(game.ClockRunning);
    EXPECT_FALSE(clockTick(game));
    int left = 0;
    for (int h = 1; h <= 15; ++h)
        left += game.Board[h] == Piece;
    EXPECT_EQ(game.PegsRemoved, 15 - left);
    EXPECT_EQ(game.Score, 25 * (15 - left) - ticks);
    EXPECT_EQ(gameOverText(game), QString("Game is over.  You have  %1 %2 left.\rScore:   %3")
                                      .arg(left)
                                      .arg(left == 1 ? "piece" : "pieces")
                                      .arg(game.Score));
}

TEST(Game, SlowGamesScoreBelowZeroAndTheClockStopsAtItsLimit) {
    Triangle game = newGame(1);
    EXPECT_FALSE(clockTick(game)); // not started
    openingRemoval(game, 1);
    game.PegsRemoved = 14;
    for (int s = 0; s < 400; ++s)
        clockTick(game);
    EXPECT_EQ(timeCaption(game.ElapsedSeconds), "Time:  400");
    EXPECT_EQ(scoreCaption(game.Score), "Score: -50");
    EXPECT_EQ(gameOverText(game), "Game is over.  You have  1 piece left.\rScore:  -50");
    game.ElapsedSeconds = 32766;
    EXPECT_TRUE(clockTick(game));
    EXPECT_FALSE(clockTick(game));
    EXPECT_EQ(game.ElapsedSeconds, 32767);
}
