#include "maze/drawing.h"

#include <gtest/gtest.h>

using namespace maze;

TEST(CellMarks, ValuesPeelIntoMarkersBoxAndWalls) {
    // Cell (2, 3) spans (400, 600) to (600, 800).
    const Mark marker{Mark::Marker, {425, 625, 575, 775}};
    const Mark box{Mark::CellBox, {400, 600, 600, 800}};
    const Mark right{Mark::Wall, {600, 600, 600, 800}};
    const Mark bottom{Mark::Wall, {400, 800, 600, 800}};
    const Mark left{Mark::Wall, {400, 600, 400, 800}};
    const Mark top{Mark::Wall, {400, 600, 600, 600}};
    const struct {
        double value;
        std::vector<Mark> marks;
    } cases[] = {
        {0, {}},
        {1, {top}},
        {5, {bottom, top}},
        {15, {right, bottom, left, top}},
        {16, {box}},
        {17, {box, top}},
        {32, {marker}},
        {64, {marker}},
        {96, {marker, marker}},
        {99, {marker, marker, left, top}},
        {-5, {}},
        {0.5, {}},
        {1.5, {left}},
        {7.5, {right}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cellMarks(c.value, 2, 3), c.marks) << c.value;
}
