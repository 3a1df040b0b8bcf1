#include "levels.h"

namespace pelmora {

TileRange tilesOfLevel(int level) {
    switch (level) {
    case 2:
        return {9, 26};
    case 3:
        return {27, 62};
    default:
        return {0, 8};
    }
}

QRect tileTwips(int index) {
    if (index < 9) {
        const int lefts[] = {90, 1890, 3690};
        const int tops[] = {105, 1860, 3615};
        return {lefts[index % 3], tops[index / 3], 1800, 1770};
    }
    if (index < 27) {
        const int k = index - 9;
        const int tops[] = {105, 1875, 3630};
        return {90 + 900 * (k % 6), tops[k / 6], 900, 1770};
    }
    // Level 3 runs down bands of two rows: upper tile, the one under it, then the next column.
    const int k = index - 27;
    const int band = k / 12;
    const int column = k % 12 / 2;
    const int row = 2 * band + k % 2;
    const int tops[] = {105, 990, 1860, 2730, 3615, 4500};
    return {90 + 900 * column, tops[row], 900, 885};
}

} // namespace pelmora
