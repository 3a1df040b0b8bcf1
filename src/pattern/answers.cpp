#include "answers.h"
#include "shared/numbertext.h"

namespace pattern {

bool isRightEntry(QStringView hiddenText, QStringView entry) {
    // An entry too large for a double reads as an infinity, which equals no hidden number:
    // a plain wrong try.
    return shared::textToNumber(entry) == shared::textToNumber(hiddenText);
}

Outcome recordEntry(Module1& state, bool right) {
    if (right) {
        state.tries = 0;
        return Outcome::Right;
    }
    if (++state.tries < TriesPerBox)
        return Outcome::TryAgain;
    state.tries = 0;
    ++state.missed;
    return Outcome::Missed;
}

QString gameOverText(const Module1& state) {
    return "You missed " + shared::trimBlanks(shared::numberText(state.missed)) +
           " and you completed the puzzle in " + shared::numberText(state.seconds) + " seconds.";
}

} // namespace pattern
