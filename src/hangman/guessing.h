#pragma once

#include <QList>
#include <QString>
#include <array>
#include <optional>

// One game of letter guesses, free of any window.
namespace hangman {

inline constexpr int LetterCount = 26;
inline constexpr int FigureParts = 6;
inline constexpr QChar HiddenLetter = '\\';
inline constexpr QChar ShownAtOnce = '-';

// The game's module state.
struct HANGMAN1 {
    QString AnswerText;
    QString RevealMask;
    std::array<int, LetterCount> LetterUsed{};
    int Misses = 0;
    int GameOver = 0;
    int Won = 0;
    bool HeadMoves = false;
    int HeadToggle = 0;
};

// Takes a new answer: the answer upper-cased, "\" for each letter A to Z, a blank for a
// blank, "-" for any other character, which is shown at once.
void startPuzzle(HANGMAN1& game, const QString& answer);

enum class Guess { Ignored, GameIsOver, AlreadyUsed, Found, Missed, Won, Lost };

struct GuessResult {
    Guess outcome = Guess::Ignored;
    QList<int> uncovered; // answer positions from 0 that now show the letter
};

// One guess, 0 = A to 25 = Z. The win test comes before the miss count.
GuessResult guessLetter(HANGMAN1& game, int index);

// The letter index of a typed character code, or nullopt for keys other than A..Z, a..z.
std::optional<int> letterIndex(int keyAscii);

// One tick of the head timer: whether the head's picture is set again.
bool headTick(HANGMAN1& game);

} // namespace hangman
