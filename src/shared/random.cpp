#include "random.h"

#include <chrono>

namespace shared {

int randomBelow(RandomSource& random, int n) {
    return int(double(n) * random.next());
}

TimeSeededRandom::TimeSeededRandom() {
    reseedFromTime();
}

double TimeSeededRandom::next() {
    // 53 random bits scaled into [0, 1).
    return double(engine_() >> 11) * 0x1.0p-53;
}

void TimeSeededRandom::reseedFromTime() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    reseed(std::uint64_t(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

void TimeSeededRandom::reseed(std::uint64_t timeReading) {
    ++reseeds_;
    std::seed_seq seeds{std::uint32_t(timeReading), std::uint32_t(timeReading >> 32),
                        std::uint32_t(reseeds_), std::uint32_t(reseeds_ >> 32)};
    engine_.seed(seeds);
}

} // namespace shared
