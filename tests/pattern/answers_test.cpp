#include "pattern/answers.h"

#include <gtest/gtest.h>

using namespace pattern;

TEST(AnswersTest, EntriesAreReadByTheTextToNumberRule) {
    const struct {
        const char* entry;
        bool right;
    } cases[] = {
        {"17", true},
        {"0017", true},
        {"  17", true},
        {"1 7", true},
        {" 1  7 ", true},
        {"17.", true},
        {"17.000", true},
        {"17abc", true},
        {"17 apples", true},
        {"1.7e1", true},
        {"17.0000000000000001", true}, // the same double
        {"", false},
        {"   ", false},
        {"seventeen", false},
        {"x17", false},
        {"16", false},
        {"17.5", false},
        {"-17", false},
        {"1 8", false},
        {"1e400", false},    // no finite double: a wrong try
        {"17e99999", false}, // the same, with 17 in front
        {"1e-400", false},   // too small: reads as 0
    };
    for (const auto& c : cases)
        EXPECT_EQ(isRightEntry(u" 17", QString::fromUtf8(c.entry)), c.right) << c.entry;

    const QString digits(400, '9');
    EXPECT_FALSE(isRightEntry(u" 17", digits));
    EXPECT_TRUE(isRightEntry(u" 108", u"108"));
    EXPECT_TRUE(isRightEntry(u" 1", u"1.0e0"));
}

TEST(AnswersTest, ThreeWrongTriesMissABoxAndAnyRightAnswerStartsAfresh) {
    Module1 state;
    EXPECT_EQ(recordEntry(state, false), Outcome::TryAgain);
    EXPECT_EQ(recordEntry(state, false), Outcome::TryAgain);
    EXPECT_EQ(state.tries, 2);
    EXPECT_EQ(recordEntry(state, true), Outcome::Right);
    EXPECT_EQ(state.tries, 0);
    EXPECT_EQ(state.missed, 0);

    for (int box = 1; box <= 2; ++box) {
        EXPECT_EQ(recordEntry(state, false), Outcome::TryAgain);
        EXPECT_EQ(recordEntry(state, false), Outcome::TryAgain);
        EXPECT_EQ(recordEntry(state, false), Outcome::Missed);
        EXPECT_EQ(state.tries, 0);
        EXPECT_EQ(state.missed, box);
    }
}

TEST(AnswersTest, GameOverTextKeepsItsBlanks) {
    const struct {
        int missed;
        int seconds;
        const char* text;
    } cases[] = {
        {0, 17, "You missed 0 and you completed the puzzle in  17 seconds."},
        {3, 0, "You missed 3 and you completed the puzzle in  0 seconds."},
        {18, 1234, "You missed 18 and you completed the puzzle in  1234 seconds."},
    };
    for (const auto& c : cases) {
        Module1 state;
        state.missed = c.missed;
        state.seconds = c.seconds;
        EXPECT_EQ(gameOverText(state), QString(c.text));
    }
}
