#include "guess.h"
#include "pelmora1.h"
#include "shared/numbertext.h"

namespace pelmora {

QString lettersOnly(const QString& text) {
    QString letters;
    for (QChar c : text.toUpper())
        if (c >= 'A' && c <= 'Z')
            letters += c;
    return letters;
}

GuessReply judgeGuess(int& gameState, QString& solution, const QString& guess) {
    if (gameState == Won)
        return {"You already won... try another puzzle.", "You have won"};
    if (gameState == Lost)
        return {"You already lost... try another puzzle", "You have lost"};
    solution = shared::trimBlanks(solution.toUpper());
    if (lettersOnly(solution) == lettersOnly(shared::trimBlanks(guess.toUpper()))) {
        gameState = Won;
        return {"You are correct!", "Winner"};
    }
    if (gameState == LastChance) {
        gameState = Lost;
        return {"The correct answer is " + solution, "You lose"};
    }
    return {"Incorrect.  Try again.", "Nope!"};
}

} // namespace pelmora
