#include "gimbo1.h"
#include "platform/services.h"
#include "shared/numbertext.h"

#include <cmath>

namespace gimbo {

const std::array<BlockPair, PairCount> TouchingPairs = {{
    {2, 9},
    {4, 19},
    {5, 24},
    {10, 13},
    {11, 18},
    {15, 20},
    {17, 30},
    {21, 26},
    {22, 31},
    {23, 36},
    {28, 37},
    {33, 38},
}};

const std::array<std::array<int, EdgeCount>, SlotCount> SolvedTiles = {{
    {3, 6, 5, 4, 2, 1},
    {1, 6, 4, 5, 2, 3},
    {1, 2, 3, 4, 5, 6},
    {3, 2, 4, 5, 1, 6},
    {1, 2, 5, 3, 4, 6},
    {6, 1, 4, 5, 3, 2},
    {6, 4, 5, 1, 2, 3},
}};

namespace {

// New edge k takes old edge from[k].
constexpr std::array<int, 7> Clockwise = {0, 3, 1, 5, 2, 6, 4};
constexpr std::array<int, 7> CounterClockwise = {0, 2, 4, 1, 6, 3, 5};

constexpr int MaxDrawsPerSlot = 500;

} // namespace

bool isPairedBlock(int block) {
    for (const BlockPair& pair : TouchingPairs)
        if (pair.first == block || pair.second == block)
            return true;
    return false;
}

Gimbo1::Gimbo1(shared::RandomSource& random, Display* display)
    : random_(random), display_(display ? display : &none_) {}

int Gimbo1::draw() {
    return int(std::floor(random_.next() * 7 + 1));
}

int Gimbo1::tileIn(int slot) const {
    const double tile = std::nearbyint(SlotTile[slot]);
    return tile >= 0 && tile <= 8 ? int(tile) : 0;
}

void Gimbo1::setClock(bool enabled) {
    Timer1Enabled = enabled;
    display_->clockSwitched();
}

void Gimbo1::DealHexagons() {
    bool redeal = true;
    while (redeal) {
        for (int block = 0; block < BlockCount; ++block) {
            Block[block].clear();
            display_->blockChanged(block);
        }
        display_->dealStarted();
        NumHex = SlotCount;
        random_.reseedFromTime();
        for (int slot = 1; slot <= SlotCount; ++slot)
            SlotTile[slot] = SlotCount + 1 - slot;
        redeal = false;
        for (int slot = 1; slot <= SlotCount; ++slot) {
            for (int draws = 1;; ++draws) {
                const int tile = draw();
                if (draws > MaxDrawsPerSlot) {
                    redeal = true;
                    break;
                }
                bool taken = false;
                for (int earlier = 1; earlier < slot; ++earlier)
                    taken = taken || SlotTile[earlier] == tile;
                if (!taken) {
                    SlotTile[slot] = tile;
                    break;
                }
            }
        }
        for (int tile = 1; tile <= SlotCount; ++tile)
            for (int edge = 1; edge <= EdgeCount; ++edge)
                Tiles[tile][edge] = SolvedTiles[tile - 1][edge - 1];
        for (int tile = 1; tile <= NumHex; ++tile)
            for (int turns = draw(); turns > 0; --turns)
                turnClockwise(tile);
        for (int slot = 1; slot <= NumHex; ++slot)
            ShowHexagon(slot);
        setClock(true);
        Seconds = 0;
    }
}

void Gimbo1::ShowHexagon(int slot) {
    const int tile = tileIn(slot);
    for (int edge = 1; edge <= EdgeCount; ++edge) {
        const int block = blockOf(slot, edge);
        Block[block] = shared::decimalNumberText(Tiles[tile][edge]);
        display_->blockChanged(block);
    }
    CheckHits();
}

int Gimbo1::hits() const {
    int count = 0;
    for (const BlockPair& pair : TouchingPairs)
        if (Block[pair.first] == Block[pair.second])
            ++count;
    return count;
}

void Gimbo1::CheckHits() {
    const int count = hits();
    Label2 = "Hits: " + shared::numberText(count);
    display_->hitsChanged();
    if (count != PairCount)
        return;
    setClock(false);
    const platform::Answer answer = platform::msgBox(
        "You Win, Play Again?", platform::Buttons::YesNo, platform::Icon::Question, "Game Over");
    if (answer != platform::Answer::Yes) {
        platform::endProgram();
        return;
    }
    if (playAgain)
        playAgain();
    else
        DealHexagons();
}

void Gimbo1::turnClockwise(int tile) {
    for (int edge = 1; edge <= EdgeCount; ++edge)
        TempTile[edge] = Tiles[tile][edge];
    for (int edge = 1; edge <= EdgeCount; ++edge)
        Tiles[tile][edge] = TempTile[Clockwise[edge]];
}

void Gimbo1::turnCounterClockwise(int tile) {
    for (int edge = 1; edge <= EdgeCount; ++edge)
        TempTile[edge] = Tiles[tile][edge];
    for (int edge = 1; edge <= EdgeCount; ++edge)
        Tiles[tile][edge] = TempTile[CounterClockwise[edge]];
}

void Gimbo1::turnSlot(int slot, bool clockwise) {
    const int tile = tileIn(slot);
    if (clockwise)
        turnClockwise(tile);
    else
        turnCounterClockwise(tile);
    ShowHexagon(slot);
}

void Gimbo1::swapSlots(int a, int b) {
    std::swap(SlotTile[a], SlotTile[b]);
    ShowHexagon(a);
    ShowHexagon(b);
}

void Gimbo1::Timer1_Timer() {
    Seconds += 1;
    Label1 = shared::decimalNumberText(Seconds);
    display_->secondsChanged();
}

} // namespace gimbo
