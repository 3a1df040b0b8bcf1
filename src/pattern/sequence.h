#pragma once

#include "shared/random.h"

#include <array>
#include <vector>

// The hidden sequence of a game: the running sum of a short cycle of steps that repeats.
namespace pattern {

inline constexpr int BoxCount = 18;
inline constexpr int MaxCycleLength = 3;
inline constexpr int MaxStep = 6;

using Sequence = std::array<int, BoxCount>;

// A cycle of 1 to 3 steps, each 1..6, drawn from the random source: first its length, then
// its steps in order.
std::vector<int> drawCycle(shared::RandomSource& random);

// Box k holds the sum of the first k + 1 steps of the endless repetition of the cycle.
Sequence runningSum(const std::vector<int>& cycle);

// A new game's sequence: a fresh cycle, summed.
Sequence newSequence(shared::RandomSource& random);

} // namespace pattern
