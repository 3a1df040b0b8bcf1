#include "scriptedservices.h"
#include "shared/random.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

using namespace shared;

namespace {

std::vector<double> draw(RandomSource& random, int n) {
    std::vector<double> values;
    for (int i = 0; i < n; ++i)
        values.push_back(random.next());
    return values;
}

} // namespace

TEST(Random, ValuesAreUniformInTheHalfOpenUnitInterval) {
    TimeSeededRandom random;
    int low = 0;
    for (double value : draw(random, 100000)) {
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 1.0);
        low += value < 0.5;
    }
    EXPECT_NEAR(low, 50000, 1500);
}

TEST(Random, TwoReseedsWithinOneClockReadingNeverRepeatASequence) {
    TimeSeededRandom random;
    std::set<std::vector<double>> seen;
    for (int i = 0; i < 200; ++i) {
        random.reseed(123456789);
        EXPECT_TRUE(seen.insert(draw(random, 4)).second) << "reseed " << i;
    }
    TimeSeededRandom other;
    other.reseedFromTime();
    other.reseedFromTime();
    const auto first = draw(other, 4);
    other.reseedFromTime();
    EXPECT_NE(first, draw(other, 4));
}

TEST(Random, AnIntegerBelowNIsTheIntegerPartOfNTimesAValue) {
    ScriptedRandom scripted({0.0, 0.999999, 0.5, 0.0185, 0.0186});
    EXPECT_EQ(randomBelow(scripted, 54), 0);
    EXPECT_EQ(randomBelow(scripted, 54), 53);
    EXPECT_EQ(randomBelow(scripted, 54), 27);
    EXPECT_EQ(randomBelow(scripted, 54), 0);
    EXPECT_EQ(randomBelow(scripted, 54), 1);
}
