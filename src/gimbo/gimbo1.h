#pragma once

#include "shared/random.h"

#include <QString>
#include <array>
#include <functional>

// The hexagon puzzle: seven tiles with the numbers 1 to 6 on their edges lie in the seven
// slots of a flower; the 42 edge blocks show the board and the hits are counted on them.
namespace gimbo {

inline constexpr int SlotCount = 7;
inline constexpr int EdgeCount = 6;
inline constexpr int BlockCount = SlotCount * EdgeCount;
inline constexpr int PairCount = 12;

// Edges k of a tile or slot: 1 upper-right, 2 lower-right, 3 top, 4 bottom, 5 upper-left,
// 6 lower-left. Slots p: 1 lower right, 2 upper right, 3 top, 4 centre, 5 bottom,
// 6 upper left, 7 lower left.
constexpr int blockOf(int slot, int edge) {
    return 6 * (slot - 1) + (edge - 1);
}

struct BlockPair {
    int first;
    int second;
};
// The touching edges, in the order they are counted.
extern const std::array<BlockPair, PairCount> TouchingPairs;
// Whether a block faces a block of a neighbouring slot (else it lies on the outer rim).
bool isPairedBlock(int block);

// Tile t (1..7) unturned in slot t is a solution.
extern const std::array<std::array<int, EdgeCount>, SlotCount> SolvedTiles;

// What the window does when the game changes what it shows.
class Display {
  public:
    virtual ~Display() = default;
    // A deal begins: every block gets the arrow pointer, and the window is shown.
    virtual void dealStarted() {}
    virtual void blockChanged(int /*block*/) {}
    virtual void hitsChanged() {}
    virtual void secondsChanged() {}
    virtual void clockSwitched() {}
};

// The game's state and rules. Numbers are doubles: a saved game may hold fractions.
class Gimbo1 {
  public:
    explicit Gimbo1(shared::RandomSource& random, Display* display = nullptr);

    std::array<std::array<double, 11>, 9> Tiles{}; // Tiles[t][k], t 1..7, k 1..6
    std::array<double, 9> SlotTile{};              // the tile in slot p, 1..7
    std::array<double, 9> TempTile{};
    int NumHex = 0;
    double Seconds = 0;

    // The displayed board and status: the texts of the blocks, the seconds and the hits.
    std::array<QString, BlockCount> Block;
    QString Label1;
    QString Label2;
    bool Timer1Enabled = true;

    // What "Yes" to "You Win, Play Again?" does; a new deal unless set.
    std::function<void()> playAgain;

    void DealHexagons();
    void ShowHexagon(int slot);
    void CheckHits();
    int hits() const;
    void turnClockwise(int tile);
    void turnCounterClockwise(int tile);
    // Turns the tile that lies in the slot, then draws the slot.
    void turnSlot(int slot, bool clockwise);
    void swapSlots(int a, int b);
    void Timer1_Timer();
    void setClock(bool enabled);
    // The tile a slot holds: its number rounded to the nearest whole, halves to even.
    int tileIn(int slot) const;

  private:
    int draw();

    shared::RandomSource& random_;
    Display* display_;
    Display none_;
};

} // namespace gimbo
