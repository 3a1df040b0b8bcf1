// How fast a maze is ready: build attempts per accepted maze and the time per accepted maze,
// each maze from its own clock seeds as the game makes them. Run by hand:
//   build/tools/maze-benchmark
#include "maze/generator.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

void AcceptedMaze(benchmark::State& state) {
    shared::TimeSeededRandom random;
    maze::QUIBMAZE1 module;
    std::vector<double> attempts;
    std::vector<double> micros;
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        int tries = 0;
        do
            ++tries;
        while (!maze::buildMazeAttempt(module, random).accepted);
        const auto end = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(module.Maze);
        attempts.push_back(tries);
        micros.push_back(std::chrono::duration<double, std::micro>(end - begin).count());
    }
    double total = 0;
    for (double a : attempts)
        total += a;
    state.counters["attempts_median"] = median(attempts);
    state.counters["attempts_mean"] = total / double(attempts.size());
    state.counters["attempts_max"] = *std::max_element(attempts.begin(), attempts.end());
    state.counters["us_per_maze_median"] = median(micros);
}

void OneAttempt(benchmark::State& state) {
    shared::TimeSeededRandom random;
    maze::QUIBMAZE1 module;
    int accepted = 0;
    for (auto _ : state) {
        accepted += maze::buildMazeAttempt(module, random).accepted;
        benchmark::DoNotOptimize(module.Maze);
    }
    state.counters["accepted_share"] = double(accepted) / double(state.iterations());
}

} // namespace

BENCHMARK(AcceptedMaze)->MinTime(2.0)->Unit(benchmark::kMicrosecond);
BENCHMARK(OneAttempt)->MinTime(1.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
