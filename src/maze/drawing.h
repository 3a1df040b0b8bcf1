#pragma once

#include "maze.h"

#include <QLine>
#include <vector>

// What the maze looks like, in twips, apart from the painter that draws it.
namespace maze {

struct Mark {
    enum Kind {
        Marker,  // the red box of the start or the finish, inset 25 twips
        CellBox, // a box around the whole cell, for the value 16
        Wall,    // one walled side
    } kind;
    QLine twips; // a wall's ends, or a box's opposite corners
    bool operator==(const Mark&) const = default;
};

// The marks of one cell's value, peeled from the top: 64, 32, 16, then the wall bits.
std::vector<Mark> cellMarks(double value, int column, int row);

// The corners of the box inset 25 twips into a cell: the markers and the trail boxes.
QLine insetBox(Cell cell);

} // namespace maze
