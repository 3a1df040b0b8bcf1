#pragma once

#include "maze/maze.h"

#include <deque>
#include <map>
#include <optional>
#include <random>
#include <vector>

#include "shared/random.h"

// Helpers the maze tests share.
namespace mazetest {

using maze::Cell;

// Whether the edge from a cell to its neighbour one step away can be crossed: both cells
// must read open on their side of it.
inline bool edgeOpen(const maze::Grid& grid, Cell from, Cell to) {
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    const int side = dx == 1    ? maze::Right
                     : dx == -1 ? maze::Left
                     : dy == 1  ? maze::Bottom
                                : maze::Top;
    const int back = dx == 1    ? maze::Left
                     : dx == -1 ? maze::Right
                     : dy == 1  ? maze::Top
                                : maze::Bottom;
    return maze::PassageOpen(grid, from.x, from.y, side) == 1 &&
           maze::PassageOpen(grid, to.x, to.y, back) == 1;
}

// The shortest route from one cell to another through open edges, both ends included.
inline std::optional<std::vector<Cell>> findRoute(const maze::Grid& grid, Cell from, Cell to) {
    auto key = [](Cell c) { return c.y * maze::Columns + c.x; };
    std::map<int, Cell> cameFrom{{key(from), from}};
    std::deque<Cell> queue{from};
    while (!queue.empty()) {
        const Cell cell = queue.front();
        queue.pop_front();
        if (cell == to) {
            std::vector<Cell> route{to};
            while (!(route.back() == from))
                route.push_back(cameFrom.at(key(route.back())));
            return std::vector<Cell>(route.rbegin(), route.rend());
        }
        for (Cell next : {Cell{cell.x + 1, cell.y}, Cell{cell.x, cell.y + 1},
                          Cell{cell.x, cell.y - 1}, Cell{cell.x - 1, cell.y}}) {
            if (maze::inGrid(next) && !cameFrom.contains(key(next)) && edgeOpen(grid, cell, next)) {
                cameFrom.emplace(key(next), cell);
                queue.push_back(next);
            }
        }
    }
    return std::nullopt;
}

// The cells holding a value.
inline std::vector<Cell> cellsWith(const maze::Grid& grid, double value) {
    std::vector<Cell> cells;
    for (int c = 0; c < maze::Columns; ++c)
        for (int r = 0; r < maze::Rows; ++r)
            if (grid[c][r] == value)
                cells.push_back({c, r});
    return cells;
}

// A repeatable random source: every reseed starts a sequence given by the seed and the number
// of reseeds before it.
class SeededRandom : public shared::RandomSource {
  public:
    explicit SeededRandom(std::uint64_t seed) : seed_(seed) {}
    double next() override { return double(engine_() >> 11) * 0x1.0p-53; }
    void reseedFromTime() override {
        std::seed_seq seeds{std::uint32_t(seed_), std::uint32_t(seed_ >> 32),
                            std::uint32_t(++reseeds)};
        engine_.seed(seeds);
    }
    int reseeds = 0;

  private:
    std::uint64_t seed_;
    std::mt19937_64 engine_;
};

} // namespace mazetest
