#pragma once

#include <QString>
#include <QStringView>

// Judging the player's entries: tries, misses and the end-of-game message.
namespace pattern {

inline constexpr int TriesPerBox = 3;

// The game's module state, reset by every new game.
struct Module1 {
    int tries = 0;   // wrong tries on the current box
    int seconds = 0; // clock ticks since the game began
    int missed = 0;  // boxes revealed after three wrong tries
};

// Whether an entry gives the hidden number, both read by the text-to-number rule and
// compared as doubles. An entry too large for a double never matches.
bool isRightEntry(QStringView hiddenText, QStringView entry);

enum class Outcome {
    Right,    // the box is done
    TryAgain, // a wrong try; the box stays current
    Missed,   // the third wrong try: the box shows its number and is done
};

// Counts one judged entry on the current box.
Outcome recordEntry(Module1& state, bool right);

// The end-of-game message: the misses without a leading blank, the seconds with one.
QString gameOverText(const Module1& state);

} // namespace pattern
