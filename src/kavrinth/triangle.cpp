#include "triangle.h"
#include "shared/numbertext.h"

namespace kavrinth {

int rowOfHole(int hole) {
    int row = 1;
    while (holeNumber(row + 1, 1) <= hole)
        ++row;
    return row;
}

int columnOfHole(int hole) {
    return hole - holeNumber(rowOfHole(hole), 1) + 1;
}

int holeCountForLevel(int level) {
    return level == 1 ? 15 : level == 2 ? 21 : 28;
}

JumpTable buildJumpTable() {
    // Two holes away along a row or a diagonal, over the neighbour between.
    struct Step {
        int row, column;
    };
    const Step steps[] = {{0, -1}, {0, 1}, {-1, -1}, {-1, 0}, {1, 0}, {1, 1}};
    JumpTable table;
    for (int hole = 1; hole <= MaxHoles; ++hole) {
        const int r = rowOfHole(hole), c = columnOfHole(hole);
        int slot = 0;
        for (const Step& step : steps) {
            const int landRow = r + 2 * step.row, landColumn = c + 2 * step.column;
            if (landRow < 1 || landRow > Rows || landColumn < 1 || landColumn > landRow)
                continue;
            ++slot;
            table.JumpTo[hole][slot] = qint16(holeNumber(landRow, landColumn));
            table.JumpOver[hole][slot] = qint16(holeNumber(r + step.row, c + step.column));
        }
    }
    return table;
}

void startNewGame(Triangle& game) {
    game.jumps = buildJumpTable();
    for (int h = 1; h <= game.HoleCount; ++h)
        game.Board[h] = Piece;
    game.DragSource = 0;
    game.JumpedHole = 0;
    game.GameStarted = false;
    game.ClockRunning = false;
    game.Score = 0;
    game.PegsRemoved = 0;
}

bool openingRemoval(Triangle& game, int hole) {
    if (game.GameStarted || hole < 1 || hole > game.HoleCount)
        return false;
    game.Board[hole] = Empty;
    game.GameStarted = true;
    game.ElapsedSeconds = 0;
    game.ClockRunning = true;
    game.PegsRemoved = 1;
    game.Score = 25;
    return true;
}

DragOver dragOver(Triangle& game, int hole) {
    if (!game.ClockRunning)
        return DragOver::GameIsOver;
    if (game.DragSource == 0)
        game.DragSource = qint16(hole);
    if (game.Board[hole] == Empty && hole == game.DragSource) {
        game.DragSource = 0;
        game.JumpedHole = 0;
        return DragOver::NoPieceThere;
    }
    if (game.DragSource > 0)
        return game.Board[hole] == Empty ? DragOver::OverEmptyHole : DragOver::OverPiece;
    return DragOver::Nothing;
}

DropOutcome drop(Triangle& game, int target) {
    const int source = game.DragSource;
    DropOutcome outcome{Drop::Invalid, source};
    auto forget = [&game] {
        game.DragSource = 0;
        game.JumpedHole = 0;
    };
    if (target == source) {
        forget();
        outcome.result = Drop::OwnHole;
        return outcome;
    }
    if (game.Board[target] == Piece) {
        forget();
        outcome.result = Drop::Occupied;
        return outcome;
    }
    for (int k = 1; k <= JumpSlots; ++k)
        if (game.jumps.JumpTo[source][k] == target)
            game.JumpedHole = game.jumps.JumpOver[source][k];
    if (game.JumpedHole > 0 && game.Board[game.JumpedHole] == Piece) {
        ++game.PegsRemoved;
        game.Score = scoreFor(game.PegsRemoved, game.ElapsedSeconds);
        game.Board[source] = Empty;
        game.Board[game.JumpedHole] = Empty;
        game.Board[target] = Piece;
        outcome.result = Drop::Jumped;
        outcome.jumped = game.JumpedHole;
    }
    if (!movesLeft(game)) {
        game.ClockRunning = false;
        game.Score = scoreFor(game.PegsRemoved, game.ElapsedSeconds);
        outcome.gameOver = true;
    }
    forget();
    return outcome;
}

bool movesLeft(const Triangle& game) {
    for (int h = 1; h <= game.HoleCount; ++h) {
        if (game.Board[h] != Piece)
            continue;
        for (int k = 1; k <= JumpSlots; ++k) {
            const int to = game.jumps.JumpTo[h][k];
            if (to >= 1 && to <= game.HoleCount && game.Board[to] == Empty &&
                game.Board[game.jumps.JumpOver[h][k]] == Piece)
                return true;
        }
    }
    return false;
}

bool clockTick(Triangle& game) {
    if (!game.ClockRunning || game.ElapsedSeconds >= ClockLimit)
        return false;
    ++game.ElapsedSeconds;
    game.Score = scoreFor(game.PegsRemoved, game.ElapsedSeconds);
    return true;
}

qint16 scoreFor(int pegsRemoved, int elapsedSeconds) {
    return qint16(25 * pegsRemoved - elapsedSeconds);
}

QString scoreCaption(int score) {
    return "Score: " + shared::numberText(score);
}

QString timeCaption(int seconds) {
    return "Time: " + shared::numberText(seconds);
}

QString gameOverText(const Triangle& game) {
    const int left = game.HoleCount - game.PegsRemoved;
    return "Game is over.  You have " + shared::numberText(left) + " " +
           (left == 1 ? "piece" : "pieces") + " left.\rScore:  " + shared::numberText(game.Score);
}

} // namespace kavrinth
