#pragma once

#include <QRect>

namespace pelmora {

inline constexpr int TileCount = 63;

struct TileRange {
    int first;
    int last;
};

// The tiles of a level (1..3) as indices into the tile array.
TileRange tilesOfLevel(int level);

// Where tile index lies on the window: Left, Top, Width, Height in twips.
QRect tileTwips(int index);

// The category (1..count) of the k-th tile of a level, k counted from 0 in index order.
inline int categoryOfTile(int k, int count) {
    return k % count + 1;
}

} // namespace pelmora
