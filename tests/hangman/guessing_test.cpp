#include "hangman/guessing.h"

#include <gtest/gtest.h>

using namespace hangman;

namespace {

int letter(char c) {
    return c - 'A';
}

} // namespace

TEST(Guessing, TheMaskHidesLettersKeepsBlanksAndShowsTheRestAtOnce) {
    const struct {
        QString answer, text, mask;
    } cases[] = {
        {"New York", "NEW YORK", "\\\\\\ \\\\\\\\"},
        {"Washington D.C.", "WASHINGTON D.C.", "\\\\\\\\\\\\\\\\\\\\ \\-\\-"},
        {QString::fromLatin1("S\xe3o Paulo"), QString::fromLatin1("S\xc3O PAULO"),
         "\\-\\ \\\\\\\\\\"},
        {"1984", "1984", "----"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        HANGMAN1 game;
        startPuzzle(game, c.answer);
        EXPECT_EQ(game.AnswerText, c.text);
        EXPECT_EQ(game.RevealMask, c.mask) << c.answer.toStdString();
    }
}

TEST(Guessing, ALetterUncoversEverySlotAndTheGameIsWonWhenNoneIsLeft) {
    HANGMAN1 game;
    startPuzzle(game, "Oslo");
    GuessResult result = guessLetter(game, letter('O'));
    EXPECT_EQ(result.outcome, Guess::Found);
    EXPECT_EQ(result.uncovered, QList<int>({0, 3}));
    EXPECT_EQ(game.RevealMask, "O\\\\O");
    EXPECT_EQ(guessLetter(game, letter('O')).outcome, Guess::AlreadyUsed);
    EXPECT_EQ(guessLetter(game, letter('X')).outcome, Guess::Missed);
    EXPECT_EQ(game.Misses, 1);
    EXPECT_EQ(guessLetter(game, letter('S')).outcome, Guess::Found);
    EXPECT_EQ(guessLetter(game, letter('L')).outcome, Guess::Won);
    EXPECT_EQ(game.GameOver, 1);
    EXPECT_EQ(game.Won, 1);
    EXPECT_EQ(guessLetter(game, letter('Q')).outcome, Guess::GameIsOver);
    EXPECT_EQ(game.Misses, 1);
    EXPECT_EQ(guessLetter(game, -1).outcome, Guess::Ignored);
}

TEST(Guessing, TheSixthMissLosesAndTheMaskThenHoldsTheAnswer) {
    HANGMAN1 game;
    startPuzzle(game, "Lima");
    for (char c : std::string("BCDEF")) {
        EXPECT_EQ(guessLetter(game, letter(c)).outcome, Guess::Missed);
        EXPECT_EQ(game.GameOver, 0);
    }
    EXPECT_EQ(guessLetter(game, letter('B')).outcome, Guess::AlreadyUsed);
    EXPECT_EQ(game.Misses, 5);
    EXPECT_EQ(guessLetter(game, letter('G')).outcome, Guess::Lost);
    EXPECT_EQ(game.Misses, 6);
    EXPECT_EQ(game.Won, 0);
    EXPECT_EQ(game.RevealMask, "LIMA");
}

TEST(Guessing, AnAnswerWithoutLettersIsWonByAnyFirstGuess) {
    HANGMAN1 game;
    startPuzzle(game, "42!");
    EXPECT_EQ(guessLetter(game, letter('Z')).outcome, Guess::Won);
    EXPECT_EQ(game.Misses, 0);
}

TEST(Guessing, OnlyTheKeysAToZInEitherCaseAreLetters) {
    const struct {
        int key;
        std::optional<int> index;
    } cases[] = {{'A', 0},  {'a', 0},  {'Z', 25}, {'z', 25},         {'m', 12},
                 {'@', {}}, {'[', {}}, {'`', {}}, {'{', {}},         {'1', {}},
                 {8, {}},   {0, {}},   {' ', {}}, {0xE9 /* é */, {}}};
    for (const auto& c : cases)
        EXPECT_EQ(letterIndex(c.key), c.index) << c.key;
}

TEST(Guessing, TheHeadTimerSetsThePictureEveryTickOrEverySecondTickAfterAMiss) {
    const struct {
        bool moves;
        int misses;
        std::vector<bool> ticks;
    } cases[] = {
        {false, 0, {true, true, true}},
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
