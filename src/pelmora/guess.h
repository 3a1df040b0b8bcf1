#pragma once

#include <QString>

namespace pelmora {

// The letters A to Z of a text, in order, after upper-casing; everything else is dropped.
QString lettersOnly(const QString& text);

struct GuessReply {
    QString prompt;
    QString title;
};

// The player's guess against the solution: moves the game state on and says what to show.
// The solution is kept upper-cased and trimmed, as the guess compares it.
GuessReply judgeGuess(int& gameState, QString& solution, const QString& guess);

} // namespace pelmora
