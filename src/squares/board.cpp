#include "board.h"

#include <algorithm>

namespace squares {

Board::Board() {
    colour.fill(DesignGrey);
    tag.fill(Free);
    for (int centre : Centres)
        tag[centre] = Centre;
}

Cube1::Cube1() {
    for (auto& square : MovePartner)
        std::fill(std::begin(square), std::end(square), NoPartner);
    for (auto& square : MoveSwaps)
        for (auto& kind : square)
            std::fill(std::begin(kind), std::end(kind), 0);
    EdgeSquares.fill(0);
}

namespace {

void setEntry(Cube1& cube, int handle, int kind, int partner, std::array<int, 6> swapSquares) {
    cube.MovePartner[handle][kind] = partner;
    for (int slot = 1; slot <= 6; ++slot)
        cube.MoveSwaps[handle][kind][slot] = swapSquares[slot - 1];
}

void clearEntry(Cube1& cube, int handle, int kind) {
    cube.MovePartner[handle][kind] = NoPartner;
    std::fill(std::begin(cube.MoveSwaps[handle][kind]), std::end(cube.MoveSwaps[handle][kind]), 0);
}

} // namespace

void buildMoveTables(Cube1& cube) {
    // Column moves: the middle square of every column of faces 0 to 2 with the face below.
    for (int i = 1; i <= 25; i += 3)
        setEntry(cube, i, ColumnMove, i + 27, {i - 1, i, i + 1, i + 26, i + 27, i + 28});
    // Row moves: the middle square of every row of faces 0 to 4 with the next face.
    for (int f = 1; f <= 5; ++f)
        for (int i = 9 * f - 6; i <= 9 * f - 4; ++i)
            setEntry(cube, i, RowMove, i + 9, {i - 3, i, i + 3, i + 6, i + 9, i + 12});
    int n = 0;
    for (int face = 0; face < FaceCount; ++face)
        for (int p : {1, 3, 5, 7})
            cube.EdgeSquares[++n] = 9 * face + p;
}

void setDifficultyEntries(Cube1& cube, int difficulty) {
    for (int v = 7; v <= 43; v += 9) {
        if (difficulty == 1)
            setEntry(cube, v, RowMove, v + 3, {v - 1, v, v + 1, v + 2, v + 3, v + 4});
        else
            clearEntry(cube, v, RowMove);
    }
    for (int v = 5; v <= 23; v += 9) {
        if (difficulty == 1)
            setEntry(cube, v, ColumnMove, v + 25, {v - 3, v, v + 3, v + 22, v + 25, v + 28});
        else
            clearEntry(cube, v, ColumnMove);
    }
}

std::optional<Move> findMove(const Cube1& cube, int source, int target) {
    auto inRange = [](int square) { return square >= 0 && square < SquareCount; };
    if (!inRange(source) || !inRange(target))
        return std::nullopt;
    for (int kind : {ColumnMove, RowMove})
        if (cube.MovePartner[target][kind] == source)
            return Move{target, kind};
    for (int kind : {ColumnMove, RowMove})
        if (cube.MovePartner[source][kind] == target)
            return Move{source, kind};
    return std::nullopt;
}

void applyMove(Board& board, const Cube1& cube, Move move) {
    const int* swapSquares = cube.MoveSwaps[move.handle][move.kind];
    for (int j = 1; j <= 3; ++j)
        std::swap(board.colour[swapSquares[j]], board.colour[swapSquares[j + 3]]);
}

bool isCentre(int square) {
    return std::find(Centres.begin(), Centres.end(), square) != Centres.end();
}

void turnRing(Board& board, int centre, bool clockwise) {
    if (!isCentre(centre))
        return;
    const int b = centre - 4;
    // The ring in the order in which each position takes the colour of the next one.
    static constexpr std::array<int, 8> clockwiseOrder = {0, 1, 2, 5, 8, 7, 6, 3};
    static constexpr std::array<int, 8> anticlockwiseOrder = {0, 3, 6, 7, 8, 5, 2, 1};
    const auto& order = clockwise ? clockwiseOrder : anticlockwiseOrder;
    const Colour kept = board.colour[b + order[0]];
    for (size_t k = 0; k + 1 < order.size(); ++k)
        board.colour[b + order[k]] = board.colour[b + order[k + 1]];
    board.colour[b + order.back()] = kept;
}

bool isSolved(const Board& board) {
    for (int face = 0; face < FaceCount; ++face)
        for (int p = 1; p <= 8; ++p)
            if (board.colour[9 * face + p] != board.colour[9 * face])
                return false;
    return true;
}

bool isEdgeSquare(const Cube1& cube, int square) {
    return std::find(cube.EdgeSquares.begin() + 1, cube.EdgeSquares.end(), square) !=
           cube.EdgeSquares.end();
}

void ScatterColour(Board& board, const Cube1& cube, shared::RandomSource& random, int centre,
                   Colour colour) {
    board.colour[centre] = colour;
    for (int k = 1; k <= 8; ++k) {
        const bool edgeWanted = k <= 4;
        for (;;) {
            const int r = shared::randomBelow(random, SquareCount);
            if (board.tag[r] == Free && isEdgeSquare(cube, r) == edgeWanted) {
                board.tag[r] = Coloured;
                board.colour[r] = colour;
                break;
            }
        }
    }
}

void scatterNewGame(Board& board, const Cube1& cube, shared::RandomSource& random) {
    random.reseedFromTime();
    for (Tag& tag : board.tag)
        if (tag != Centre)
            tag = Free;
    const std::array<std::pair<int, Colour>, FaceCount> colours = {
        {{4, Red}, {13, Blue}, {22, Green}, {31, Yellow}, {40, White}, {49, Black}}};
    for (const auto& [centre, colour] : colours)
        ScatterColour(board, cube, random, centre, colour);
}

} // namespace squares
