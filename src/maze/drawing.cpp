#include "drawing.h"

namespace maze {

QLine insetBox(Cell cell) {
    const int x1 = CellTwips * cell.x;
    const int y1 = CellTwips * cell.y;
    return {x1 + 25, y1 + 25, x1 + CellTwips - 25, y1 + CellTwips - 25};
}

std::vector<Mark> cellMarks(double value, int column, int row) {
    const int x1 = CellTwips * column;
    const int y1 = CellTwips * row;
    const int x2 = x1 + CellTwips;
    const int y2 = y1 + CellTwips;
    std::vector<Mark> marks;
    double v = value;
    for (double marker : {FinishValue, StartValue}) {
        if (v > marker - 1) {
            marks.push_back({Mark::Marker, insetBox({column, row})});
            v -= marker;
        }
    }
    if (v > 15) {
        marks.push_back({Mark::CellBox, {x1, y1, x2, y2}});
        v -= 16;
    }
    if (v > 7) {
        marks.push_back({Mark::Wall, {x2, y1, x2, y2}});
        v -= Right;
    }
    if (v > 3) {
        marks.push_back({Mark::Wall, {x1, y2, x2, y2}});
        v -= Bottom;
    }
    if (v > 1) {
        marks.push_back({Mark::Wall, {x1, y1, x1, y2}});
        v -= Left;
    }
    if (v == 1)
        marks.push_back({Mark::Wall, {x1, y1, x2, y1}});
    return marks;
}

} // namespace maze
