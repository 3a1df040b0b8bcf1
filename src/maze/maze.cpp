#include "maze.h"

namespace maze {

int PassageOpen(const Grid& maze, int x, int y, int side) {
    double v = maze[x][y];
    int result = 1;
    for (int bit : {Right, Bottom, Left}) {
        if (v > bit - 1) {
            if (side == bit)
                result = 0;
            v -= bit;
        }
    }
    if (v == 1 && side == Top)
        result = 0;
    if (maze[x][y] > 31)
        result = 1;
    return result;
}

bool inGrid(Cell cell) {
    return cell.x >= 0 && cell.x < Columns && cell.y >= 0 && cell.y < Rows;
}

} // namespace maze
