#include "pattern/sequence.h"
#include "scriptedservices.h"

#include <gtest/gtest.h>
#include <set>

using namespace pattern;

namespace {

// Differences between neighbouring boxes; box 0 counts from zero.
std::vector<int> stepsOf(const Sequence& boxes) {
    std::vector<int> steps;
    int previous = 0;
    for (int number : boxes) {
        steps.push_back(number - previous);
        previous = number;
    }
    return steps;
}

} // namespace

TEST(SequenceTest, EverySeedGivesARepeatingCycleOfSmallSteps) {
    shared::TimeSeededRandom random;
    std::set<size_t> lengths;
    std::set<int> steps;
    for (std::uint64_t seed = 0; seed < 3000; ++seed) {
        random.reseed(seed * 7919);
        const std::vector<int> cycle = drawCycle(random);
        ASSERT_GE(cycle.size(), 1u);
        ASSERT_LE(cycle.size(), 3u);
        lengths.insert(cycle.size());
        steps.insert(cycle.begin(), cycle.end());

        const Sequence boxes = runningSum(cycle);
        const std::vector<int> differences = stepsOf(boxes);
        EXPECT_EQ(boxes[0], cycle[0]);
        for (int k = 0; k < BoxCount; ++k) {
            EXPECT_GE(differences[k], 1) << "seed " << seed << " box " << k;
            EXPECT_LE(differences[k], 6);
            EXPECT_EQ(differences[k], cycle[k % cycle.size()]);
            if (k >= int(cycle.size())) {
                EXPECT_EQ(differences[k], differences[k - cycle.size()]);
            }
        }
        EXPECT_GE(boxes.front(), 1);
        EXPECT_LE(boxes.back(), 108);
    }
    EXPECT_EQ(lengths, (std::set<size_t>{1, 2, 3}));
    EXPECT_EQ(steps, (std::set<int>{1, 2, 3, 4, 5, 6}));
}

TEST(SequenceTest, ScriptedDrawsGiveExactSequences) {
    const struct {
        std::deque<double> draws;
        std::vector<int> firstBoxes;
        int last;
    } cases[] = {
        // length from 0.5 is 2; steps int(6 x 0.4) + 1 = 3 and int(6 x 0.7) + 1 = 5
        {{0.5, 0.4, 0.7}, {3, 8, 11, 16, 19, 24}, 72},
        {{0.0, 0.5}, {4, 8, 12, 16}, 72},
        {{0.0, 0.0}, {1, 2, 3}, 18},
        {{0.9999999, 0.9999999, 0.9999999, 0.9999999}, {6, 12, 18}, 108},
        // three steps 2, 1, 6: six whole cycles of 9
        {{0.7, 0.2, 0.0, 0.9}, {2, 3, 9, 11, 12, 18, 20}, 54},
    };
    for (const auto& c : cases) {
        ScriptedRandom random(c.draws);
        const Sequence boxes = newSequence(random);
        EXPECT_TRUE(random.values.empty()) << "every draw is used, and no more";
        EXPECT_EQ(std::vector<int>(boxes.begin(), boxes.begin() + c.firstBoxes.size()),
                  c.firstBoxes);
        EXPECT_EQ(boxes.back(), c.last);
    }
}
