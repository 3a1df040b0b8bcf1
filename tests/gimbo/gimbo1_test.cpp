#include "gimbo/gimbo1.h"
#include "scriptedservices.h"
#include "shared/numbertext.h"

#include <gtest/gtest.h>
#include <random>

using namespace gimbo;

namespace {

// Edges clockwise from the top.
constexpr int RingOrder[] = {3, 1, 2, 4, 6, 5};

std::array<double, 6> edgesOf(const Gimbo1& game, int tile) {
    return {game.Tiles[tile][1], game.Tiles[tile][2], game.Tiles[tile][3],
            game.Tiles[tile][4], game.Tiles[tile][5], game.Tiles[tile][6]};
}

// How many sixths clockwise the tile lies from its solved position, or -1 if none.
int sixthsTurned(const Gimbo1& game, int tile) {
    for (int n = 0; n < 6; ++n) {
        bool same = true;
        for (int i = 0; i < 6; ++i)
            same = same && game.Tiles[tile][RingOrder[(i + n) % 6]] ==
                               SolvedTiles[tile - 1][RingOrder[i] - 1];
        if (same)
            return n;
    }
    return -1;
}

void placeSolved(Gimbo1& game) {
    for (int t = 1; t <= 7; ++t) {
        game.SlotTile[t] = t;
        for (int k = 1; k <= 6; ++k)
            game.Tiles[t][k] = SolvedTiles[t - 1][k - 1];
    }
    game.NumHex = 7;
}

class SeededRandom : public shared::RandomSource {
  public:
    explicit SeededRandom(unsigned seed) : engine(seed) {}
    double next() override { return std::uniform_real_distribution<double>(0, 1)(engine); }
    void reseedFromTime() override {}
    std::mt19937 engine;
};

// A scripted value that draws the given tile or turn count.
double drawOf(int n) {
    return (n - 0.5) / 7;
}

} // namespace

TEST(Turns, ClockwiseMovesEveryEdgeOneSixthAndCounterClockwiseUndoesIt) {
    ScriptedRandom random;
    Gimbo1 game(random);
    placeSolved(game);
    game.turnClockwise(3); // tile 3 holds 1..6 on edges 1..6
    EXPECT_EQ(edgesOf(game, 3), (std::array<double, 6>{3, 1, 5, 2, 6, 4}));
    game.turnCounterClockwise(3);
    game.turnCounterClockwise(3);
    EXPECT_EQ(edgesOf(game, 3), (std::array<double, 6>{2, 4, 1, 6, 3, 5}));
    placeSolved(game);
    for (int t = 1; t <= 7; ++t) {
        const auto before = edgesOf(game, t);
        for (int n = 0; n < 6; ++n) {
            EXPECT_EQ(sixthsTurned(game, t), n) << "tile " << t;
            game.turnClockwise(t);
        }
        EXPECT_EQ(edgesOf(game, t), before) << "tile " << t;
        game.turnClockwise(t);
        game.turnCounterClockwise(t);
        EXPECT_EQ(edgesOf(game, t), before) << "tile " << t;
    }
}

class Hits : public ::testing::Test {
  protected:
    ScriptedServices services;
    ScriptedRandom random;
    Gimbo1 game{random};
};

TEST_F(Hits, CountTheEqualTextsOfTheTwelvePairs) {
    for (int b = 0; b < BlockCount; ++b)
        game.Block[b] = shared::numberText(b);
    game.CheckHits();
    EXPECT_EQ(game.Label2, "Hits:  0");
    game.Block[2] = game.Block[9];   // pair 1
    game.Block[33] = game.Block[38]; // pair 12
    game.Block[0] = game.Block[1];   // rim blocks count for nothing
    game.Block[21] = " 5";           // " 5" and "5" differ
    game.Block[26] = "5";
    game.CheckHits();
    EXPECT_EQ(game.hits(), 2);
    for (const BlockPair& pair : TouchingPairs)
        game.Block[pair.first] = game.Block[pair.second] = " 4";
    game.Block[4] = game.Block[24] = "";
    game.CheckHits();
    EXPECT_EQ(game.Label2, "Hits:  10");
    game.Block[4] = " 4";
    game.CheckHits();
    EXPECT_EQ(game.Label2, "Hits:  11");
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_TRUE(game.Timer1Enabled);
}

TEST_F(Hits, TheSolvedFlowerAndItsFiveTurnsWinAndNoEndsTheProgram) {
    constexpr int Ring[] = {3, 2, 1, 5, 7, 6}; // outer slots clockwise from the top
    for (int sixths = 0; sixths < 6; ++sixths) {
        placeSolved(game);
        game.Block.fill(QString());
        for (int i = 0; i < 6; ++i)
            game.SlotTile[Ring[(i + sixths) % 6]] = Ring[i];
        for (int t = 1; t <= 7; ++t)
            for (int n = 0; n < sixths; ++n)
                game.turnClockwise(t);
        services.messageAnswers = {platform::Answer::No};
        game.setClock(true);
        for (int p = 1; p <= 7; ++p)
            game.ShowHexagon(p);
        EXPECT_EQ(game.Label2, "Hits:  12") << sixths;
        EXPECT_FALSE(game.Timer1Enabled);
        EXPECT_EQ(services.endRequests, sixths + 1);
    }
    ASSERT_EQ(services.messages.size(), 6);
    EXPECT_EQ(services.messages[0].prompt, "You Win, Play Again?");
    EXPECT_EQ(services.messages[0].title, "Game Over");
    EXPECT_EQ(services.messages[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(services.messages[0].icon, platform::Icon::Question);
}

TEST_F(Hits, YesPlaysAgainAndASwapCountsTwice) {
    placeSolved(game);
    std::swap(game.SlotTile[2], game.SlotTile[6]);
    for (int p = 1; p <= 7; ++p)
        game.ShowHexagon(p);
    EXPECT_LT(game.hits(), 12);
    int again = 0;
    game.playAgain = [&] { ++again; };
    services.messageAnswers = {platform::Answer::Yes};
    game.swapSlots(6, 2);
    EXPECT_EQ(again, 1);
    EXPECT_EQ(services.endRequests, 0);
    EXPECT_EQ(services.messages.size(), 1);
    // A slot swapped with itself is drawn twice and stays.
    game.swapSlots(4, 4);
    EXPECT_EQ(game.SlotTile[4], 4);
}

TEST(Deal, EveryDealPlacesEachTileOnceTurnedAndOneSixthComesUpTwiceAsOften) {
    ScriptedServices services;
    std::array<int, 6> positions{};
    for (unsigned seed = 1; seed <= 1000; ++seed) {
        SeededRandom random(seed);
        Gimbo1 game(random);
        game.Seconds = 99;
        game.DealHexagons();
        std::array<bool, 8> seen{};
        for (int p = 1; p <= 7; ++p) {
            const int t = game.tileIn(p);
            ASSERT_TRUE(t >= 1 && t <= 7 && !seen[t]) << "seed " << seed;
            seen[t] = true;
            for (int k = 1; k <= 6; ++k)
                EXPECT_EQ(game.Block[blockOf(p, k)], shared::numberText(qint64(game.Tiles[t][k])));
        }
        for (int t = 1; t <= 7; ++t) {
            const int n = sixthsTurned(game, t);
            ASSERT_GE(n, 0) << "seed " << seed;
            ++positions[n];
        }
        EXPECT_EQ(game.NumHex, 7);
        EXPECT_EQ(game.Seconds, 0);
        EXPECT_TRUE(game.Timer1Enabled);
        EXPECT_EQ(game.Label2, "Hits: " + shared::numberText(game.hits()));
    }
    // 7000 tiles: one sixth comes from draws 1 and 7 (2000 expected), the rest 1000 each.
    EXPECT_NEAR(positions[1], 2000, 150);
    for (int n : {0, 2, 3, 4, 5})
        EXPECT_NEAR(positions[n], 1000, 120) << n;
}

TEST(Deal, SlotDrawsComeFirstAndTheFiveHundredAndFirstDrawRedeals) {
    ScriptedServices services;
    ScriptedRandom random;
    auto script = [&](int n, int times = 1) {
        for (int i = 0; i < times; ++i)
            random.values.push_back(drawOf(n));
    };
    // First deal: slot 1 takes 1; slot 2 draws 1 five hundred times, and its 501st draw (2) is
    // not used, so it keeps 6; slot 6 redraws 6, which slot 2 still holds.
    script(1);
    script(1, 500);
    script(2);
    for (int n : {3, 4, 5, 6, 2, 7})
        script(n);
    script(1, 7); // one clockwise sixth for every tile
    // The redeal: slot 2 draws 7 again before it takes 6; every tile is turned seven times.
    for (int n : {7, 7, 6, 5, 4, 3, 2, 1})
        script(n);
    script(7, 7);

    struct Recorder : Display {
        int deals = 0;
        std::vector<double> firstDealSlots;
        Gimbo1* game = nullptr;
        void dealStarted() override {
            if (++deals == 2)
                firstDealSlots.assign(game->SlotTile.begin() + 1, game->SlotTile.begin() + 8);
        }
    } recorder;
    Gimbo1 game(random, &recorder);
    recorder.game = &game;
    game.DealHexagons();
    EXPECT_EQ(recorder.deals, 2);
    EXPECT_EQ(random.reseeds, 2);
    EXPECT_TRUE(random.values.empty());
    EXPECT_EQ(recorder.firstDealSlots, (std::vector<double>{1, 6, 3, 4, 5, 2, 7}));
    for (int p = 1; p <= 7; ++p)
        EXPECT_EQ(game.SlotTile[p], 8 - p);
    for (int t = 1; t <= 7; ++t)
        EXPECT_EQ(sixthsTurned(game, t), 1) << t;
}
