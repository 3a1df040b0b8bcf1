#include "hangman/guessing.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace hangman;

TEST(Guessing, TheMaskHidesLettersKeepsBlanksAndShowsTheRestAtOnce) {
    const struct {
        QString answer, text, mask;
    } cases[] = {
        {"New York", "NEW YORK", R"(\\\ \\\\)"},
        {"Washington D.C.", "WASHINGTON D.C.", R"(\\\\\\\\\\ \-\-)"},
        {QString::fromLatin1("S\xe3o Paulo"), QString::fromLatin1("S\xc3O PAULO"), R"(\-\ \\\\\)"},
        {"1984", "1984", "----"},
    };
    for (const auto& c : cases) {
        HANGMAN1 game;
        startPuzzle(game, c.answer);
        EXPECT_EQ(game.AnswerText, c.text);
        EXPECT_EQ(game.RevealMask, c.mask) << c.answer.toStdString();
    }
}

// One letter a guess, '-' for an index below 0; F found, M missed, U already used, O game
// over, W won, L lost, I ignored.
TEST(Guessing, GuessesUncoverLettersCountMissesAndEndTheGame) {
    const struct {
        const char* answer;
        const char* guesses;
        const char* outcomes;
        const char* mask;
        int misses;
    } cases[] = {
        {"Oslo", "OOXSLQ-", "FUMFWOI", "OSLO", 1},
        {"Lima", "BCDEFBGA", "MMMMMULO", "LIMA", 6},
        {"42!", "Z", "W", "---", 0},
        {"New York", "wWnke", "FUFFF", R"(NEW \\\K)", 0},
    };
    for (const auto& c : cases) {
        HANGMAN1 game;
        startPuzzle(game, c.answer);
        std::string outcomes;
        for (const char* g = c.guesses; *g; ++g) {
            const int index = *g == '-' ? -1 : QChar(*g).toUpper().unicode() - 'A';
            outcomes += "IOUFMWL"[int(guessLetter(game, index).outcome)];
        }
        EXPECT_EQ(outcomes, c.outcomes) << c.answer;
        EXPECT_EQ(game.RevealMask, c.mask) << c.answer;
        EXPECT_EQ(game.Misses, c.misses) << c.answer;
        EXPECT_EQ(game.Won == 1, strchr(c.outcomes, 'W') != nullptr) << c.answer;
    }
}

TEST(Guessing, OnlyTheKeysAToZInEitherCaseAreLetters) {
    const struct {
        int key;
        std::optional<int> index;
    } cases[] = {{'A', 0},  {'a', 0},  {'Z', 25}, {'z', 25}, {'m', 12}, {'@', {}}, {'[', {}},
                 {'`', {}}, {'{', {}}, {'1', {}}, {8, {}},   {0, {}},   {0xE9, {}}};
    for (const auto& c : cases)
        EXPECT_EQ(letterIndex(c.key), c.index) << c.key;
}

TEST(Guessing, TheHeadTimerSetsThePictureEveryTickOrEverySecondTickAfterAMiss) {
    const struct {
        bool moves;
        int misses;
        std::vector<bool> ticks;
    } cases[] = {
        {false, 3, {true, true, true}},
        {true, 0, {false, false, false}},
        {true, 1, {false, true, false, true}},
    };
    for (const auto& c : cases) {
        HANGMAN1 game;
        game.HeadMoves = c.moves;
        game.Misses = c.misses;
        for (bool expected : c.ticks)
            EXPECT_EQ(headTick(game), expected) << c.moves << " " << c.misses;
    }
}
