#include "sequence.h"

namespace pattern {

std::vector<int> drawCycle(shared::RandomSource& random) {
    const int length = shared::randomBelow(random, MaxCycleLength) + 1;
    std::vector<int> cycle;
    for (int j = 0; j < length; ++j)
        cycle.push_back(shared::randomBelow(random, MaxStep) + 1);
    return cycle;
}

Sequence runningSum(const std::vector<int>& cycle) {
    Sequence boxes{};
    int sum = 0;
    for (int k = 0; k < BoxCount; ++k) {
        sum += cycle[k % cycle.size()];
        boxes[k] = sum;
    }
    return boxes;
}

Sequence newSequence(shared::RandomSource& random) {
    return runningSum(drawCycle(random));
}

} // namespace pattern
