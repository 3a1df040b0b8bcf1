#pragma once

#include "services.h"

#include <QString>
#include <optional>

namespace platform {

// For start-up measurements and the start test: QUIBLAX_ANSWERS holds answers for the first
// boxes a program asks, separated by "|" ("No|Ann": a message box answered No, then an input
// box answered "Ann"). Each is used once, front first; nullopt when none is left.
std::optional<QString> hookAnswer();

// "Yes", "No", "Cancel", anything else OK.
Answer answerNamed(const QString& name);

} // namespace platform
