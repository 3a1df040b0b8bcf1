#include "guessing.h"
#include "shared/uppercase.h"

namespace hangman {

void startPuzzle(HANGMAN1& game, const QString& answer) {
    game.AnswerText = shared::upperCase(answer);
    game.RevealMask.clear();
    for (QChar c : game.AnswerText) {
        if (c == ' ')
            game.RevealMask += ' ';
        else if (c >= 'A' && c <= 'Z')
            game.RevealMask += HiddenLetter;
        else
            game.RevealMask += ShownAtOnce;
    }
}

GuessResult guessLetter(HANGMAN1& game, int index) {
    GuessResult result;
    if (index < 0 || index >= LetterCount)
        return result;
    if (game.GameOver == 1) {
        result.outcome = Guess::GameIsOver;
        return result;
    }
    if (game.LetterUsed[index] == 1) {
        result.outcome = Guess::AlreadyUsed;
        return result;
    }
    game.LetterUsed[index] = 1;
    const QChar letter(65 + index);
    for (int i = 0; i < game.AnswerText.size(); ++i) {
        if (game.AnswerText[i] == letter) {
            game.RevealMask[i] = letter;
            result.uncovered << i;
        }
    }
    if (!game.RevealMask.contains(HiddenLetter)) {
        game.GameOver = 1;
        game.Won = 1;
        result.outcome = Guess::Won;
    } else if (result.uncovered.isEmpty()) {
        ++game.Misses;
        result.outcome = Guess::Missed;
        if (game.Misses >= FigureParts) {
            game.RevealMask = game.AnswerText;
            game.GameOver = 1;
            game.Won = 0;
            result.outcome = Guess::Lost;
        }
    } else {
        result.outcome = Guess::Found;
    }
    return result;
}

std::optional<int> letterIndex(int keyAscii) {
    if (keyAscii > 96)
        keyAscii -= 32;
    const int index = keyAscii - 65;
    if (index < 0 || index >= LetterCount)
        return std::nullopt;
    return index;
}

bool headTick(HANGMAN1& game) {
    if (!game.HeadMoves)
        return true;
    if (game.Misses <= 0)
        return false;
    if (game.HeadToggle == 1) {
        game.HeadToggle = 0;
        return true;
    }
    game.HeadToggle = 1;
    return false;
}

} // namespace hangman
