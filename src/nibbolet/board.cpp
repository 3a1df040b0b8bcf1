#include "board.h"

#include <algorithm>

namespace nibbolet {

namespace {

constexpr int CellSize = 480;
constexpr int GridLeft = 405;
constexpr int GridTop = 1020;

// One straight run of the spiral: squares first..last from cell (column, row) onward.
struct Run {
    int first;
    int last;
    int column;
    int row;
    int columnStep;
    int rowStep;
};

constexpr Run Runs[] = {
    {0, 8, 0, 1, 0, 1},   {8, 20, 0, 9, 1, 0},  {20, 29, 12, 9, 0, -1}, {29, 39, 12, 0, -1, 0},
    {39, 46, 2, 0, 0, 1}, {46, 54, 2, 7, 1, 0}, {54, 58, 10, 7, 0, -1}, {58, 60, 10, 3, -1, 0},
};

const SquareEvent Events[SpecialCount] = {
    {"Here you find a piece of swiss.", "Move forward 3.", 3, "Swiss.bmp", "Clap.Wav"},
    {"Here you find a piece of cheddar.", "Move forward 3.", 3, "Cheddar.bmp", "Clap.Wav"},
    {"Here you find a dumpster.", "Move forward 5.", 5, "Dumpster.bmp", "Garbage.Wav"},
    {"Here you find peanut butter.", "Move forward 3.", 3, "PButter.bmp", "Clap.Wav"},
    {"Here you find a piece of provolone.", "Move forward 3.", 3, "Provolon.bmp", "Clap.Wav"},
    {"Here you find a piece of mozzerella.", "Move forward 3.", 3, "Mozz.bmp", "Clap.Wav"},
    {"Here you find a garbage truck.", "Move forward 5.", 5, "GTruck.bmp", "Truck.Wav"},
    {"Here you find an alley cat.", "Move back 3.", -3, "Cat1.bmp", "Cat1.Wav"},
    {"Here you find poison.", "Move back 5.", -5, "Skull.bmp", "Taps.Wav"},
    {"Here you find the Farmer's Wife.", "Move back 6.", -6, "Fwife.bmp", "Taps.Wav"},
    {"Here you find a persian cat.", "Move back 3.", -3, "Cat.Bmp", "Cat2.Wav"},
    {"Here you find a siamese cat.", "Move back 3.", -3, "Cat1.bmp", "Siamese.Wav"},
    {"Here you find a mouse trap.", "Move back 5.", -5, "MTrap.bmp", "MTrap.Wav"},
    {"Here you find a tabby cat.", "Move back 3.", -3, "Cat.bmp", "Cat.Wav"},
};

} // namespace

QRect squareRect(int square) {
    if (square == Cave)
        return {GridLeft + 8 * CellSize - 15, GridTop + 3 * CellSize, 495, CellSize};
    for (const Run& run : Runs)
        if (square >= run.first && square <= run.last) {
            const int along = square - run.first;
            return {GridLeft + CellSize * (run.column + along * run.columnStep),
                    GridTop + CellSize * (run.row + along * run.rowStep), CellSize, CellSize};
        }
    return {};
}

const SquareEvent& squareEvent(int k) {
    return Events[std::clamp(k, 1, SpecialCount) - 1];
}

QString eventTitle(int k) {
    return k <= LastGoodNews ? "Good News" : "Bad News";
}

QString eventText(int k) {
    return squareEvent(k).finding + QChar(13) + squareEvent(k).instruction;
}

SpecialSquares drawSpecialSquares(shared::RandomSource& random) {
    SpecialSquares squares;
    squares.fill(-1);
    for (int k = 1; k <= SpecialCount; ++k) {
        int c = -1;
        while (c < FirstSpecial || c > LastSpecial) {
            c = shared::randomBelow(random, 60);
            if (std::find(squares.begin() + 1, squares.end(), c) != squares.end())
                c = -1;
        }
        squares[k] = c;
    }
    return squares;
}

} // namespace nibbolet
