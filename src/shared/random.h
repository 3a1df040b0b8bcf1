#pragma once

#include <cstdint>
#include <memory>
#include <random>

namespace shared {

// The games' source of uniform random values in [0, 1). Injectable so that tests can
// script the values a game draws.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    // Reseeds from the time of day.
    virtual void reseedFromTime() = 0;
};

// The integer part of n times the next value: a whole number 0..n-1.
int randomBelow(RandomSource& random, int n);

// A Mersenne Twister reseeded from the time of day. Two reseeds within one reading of the
// clock still give different sequences: every reseed also mixes in how many came before.
class TimeSeededRandom : public RandomSource {
  public:
    TimeSeededRandom();
    double next() override;
    void reseedFromTime() override;
    void reseed(std::uint64_t timeReading);

  private:
    std::mt19937_64 engine_;
    std::uint64_t reseeds_ = 0;
};

// The random source a game draws from: the one a test hands in, or else its own
// time-seeded generator.
class GameRandom {
  public:
    explicit GameRandom(RandomSource* given)
        : own_(given ? nullptr : new TimeSeededRandom), source_(given ? given : own_.get()) {}
    RandomSource& operator*() const { return *source_; }
    RandomSource* operator->() const { return source_; }

  private:
    std::unique_ptr<RandomSource> own_;
    RandomSource* source_;
};

} // namespace shared
