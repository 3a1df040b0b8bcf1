#include "gimbo/gimbo1.h"
#include "scriptedservices.h"
#include "shared/numbertext.h"

#include <gtest/gtest.h>
#include <random>

using namespace gimbo;

namespace {

// How many sixths clockwise a tile lies from its solved position (edges clockwise from the
// top: 3, 1, 2, 4, 6, 5), or -1 when it is no turn of it.
int sixthsTurned(const Gimbo1& game, int tile) {
    constexpr int Ring[] = {3, 1, 2, 4, 6, 5};
    for (int n = 0; n < 6; ++n) {
        bool same = true;
        for (int i = 0; i < 6; ++i)
            same =
                same && game.Tiles[tile][Ring[(i + n) % 6]] == SolvedTiles[tile - 1][Ring[i] - 1];
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
    game.Block.fill(QString());
}

class SeededRandom : public shared::RandomSource {
  public:
    explicit SeededRandom(unsigned seed) : engine(seed) {}
    double next() override { return std::uniform_real_distribution<double>(0, 1)(engine); }
    void reseedFromTime() override {}
    std::mt19937 engine;
};

} // namespace

TEST(Turns, ClockwiseMovesEveryEdgeOneSixthAndCounterClockwiseUndoesIt) {
    ScriptedRandom random;
    Gimbo1 game(random);
    placeSolved(game);
    game.turnClockwise(3); // tile 3 holds 1..6 on edges 1..6
    EXPECT_EQ(std::vector<double>(&game.Tiles[3][1], &game.Tiles[3][7]),
              (std::vector<double>{3, 1, 5, 2, 6, 4}));
    game.turnCounterClockwise(3);
    for (int t = 1; t <= 7; ++t) {
        for (int n = 0; n < 7; ++n) {
            EXPECT_EQ(sixthsTurned(game, t), n % 6) << "tile " << t; // six turns give it back
            game.turnClockwise(t);
        }
        for (int n = 0; n >= -5; --n) {
            game.turnCounterClockwise(t);
            EXPECT_EQ(sixthsTurned(game, t), (n + 6) % 6) << "tile " << t;
        }
    }
}

TEST(Hits, CountTheEqualTextsOfTheTwelvePairs) {
    ScriptedServices services;
    ScriptedRandom random;
    Gimbo1 game(random);
    for (int b = 0; b < BlockCount; ++b)
        game.Block[b] = shared::numberText(b);
    game.CheckHits();
    EXPECT_EQ(game.Label2, "Hits:  0");
    game.Block[2] = game.Block[9]; // pair 1
    game.Block[0] = game.Block[1]; // the rim counts for nothing
    game.Block[21] = " 5";         // " 5" and "5" differ
    game.Block[26] = "5";
    EXPECT_EQ(game.hits(), 1);
    for (const BlockPair& pair : TouchingPairs)
        game.Block[pair.first] = game.Block[pair.second] = " 4";
    game.Block[4] = game.Block[24] = ""; // two empty blocks of different pairs
    game.CheckHits();
    EXPECT_EQ(game.Label2, "Hits:  10");
    game.Block[19] = game.Block[5] = "";
    game.CheckHits();
    EXPECT_EQ(game.Label2, "Hits:  12"); // empty texts are equal
    EXPECT_EQ(services.prompts(), QStringList({"You Win, Play Again?"}));
}

TEST(Hits, TheSolvedFlowerAndItsFiveTurnsWin) {
    ScriptedServices services;
    ScriptedRandom random;
    Gimbo1 game(random);
    int again = 0;
    game.playAgain = [&] { ++again; };
    constexpr int Ring[] = {3, 2, 1, 5, 7, 6}; // outer slots clockwise from the top
    for (int sixths = 0; sixths < 6; ++sixths) {
        placeSolved(game);
        for (int i = 0; i < 6; ++i)
            game.SlotTile[Ring[(i + sixths) % 6]] = Ring[i];
        for (int t = 1; t <= 7; ++t)
            for (int n = 0; n < sixths; ++n)
                game.turnClockwise(t);
        services.messageAnswers = {sixths % 2 ? platform::Answer::Yes : platform::Answer::No};
        game.setClock(true);
        for (int p = 1; p <= 7; ++p)
            game.ShowHexagon(p);
        EXPECT_EQ(game.Label2, "Hits:  12") << sixths;
        EXPECT_FALSE(game.Timer1Enabled);
    }
    EXPECT_EQ(services.messages.size(), 6);
    EXPECT_EQ(services.endRequests, 3); // No ends the program, Yes plays again
    EXPECT_EQ(again, 3);
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
            EXPECT_EQ(game.Block[blockOf(p, 4)], shared::numberText(qint64(game.Tiles[t][4])));
            ASSERT_GE(sixthsTurned(game, t), 0);
            ++positions[sixthsTurned(game, t)];
        }
        EXPECT_TRUE(game.NumHex == 7 && game.Seconds == 0 && game.Timer1Enabled);
        EXPECT_EQ(game.Label2, "Hits: " + shared::numberText(game.hits()));
    }
    // 7000 tiles: one sixth comes from the draws 1 and 7 (2000 expected), the rest 1000 each.
    EXPECT_NEAR(positions[1], 2000, 150);
    for (int n : {0, 2, 3, 4, 5})
        EXPECT_NEAR(positions[n], 1000, 120) << n;
}

TEST(Deal, SlotDrawsComeFirstAndTheFiveHundredAndFirstDrawRedeals) {
    ScriptedServices services;
    ScriptedRandom random;
    auto script = [&](std::initializer_list<int> draws, int times = 1) {
        for (int i = 0; i < times; ++i)
            for (int n : draws)
                random.values.push_back((n - 0.5) / 7);
    };
    // Slot 1 takes 1; slot 2 draws 1 five hundred times and its 501st draw (2) is not used, so
    // it keeps 6; slot 6 draws 6 again, which slot 2 holds; one sixth for every tile.
    script({1}, 501);
    script({2, 3, 4, 5, 6, 2, 7});
    script({1}, 7);
    // The redeal: slot 2 draws 7 again before it takes 6; seven sixths make one.
    script({7, 7, 6, 5, 4, 3, 2, 1});
    script({7}, 7);
    struct : Display {
        std::vector<QStringList> boards;
        Gimbo1* game = nullptr;
        void hitsChanged() override {
            boards.push_back({});
            for (int p = 1; p <= 7; ++p)
                boards.back() << QString::number(game->SlotTile[p]);
        }
    } recorder;
    Gimbo1 game(random, &recorder);
    recorder.game = &game;
    game.DealHexagons();
    EXPECT_EQ(random.reseeds, 2);
    EXPECT_TRUE(random.values.empty());
    ASSERT_EQ(recorder.boards.size(), 14u); // every slot drawn, in both deals
    EXPECT_EQ(recorder.boards[6].join(""), "1634527");
    EXPECT_EQ(recorder.boards[13].join(""), "7654321");
    for (int t = 1; t <= 7; ++t)
        EXPECT_EQ(sixthsTurned(game, t), 1) << t;
}
