#pragma once

#include <QString>
#include <optional>

namespace platform {

// Asks the X display the program runs on whether a top-level window with exactly this title
// exists, of any program. nullopt where the program runs on no X display.
std::optional<bool> displayHasWindow(const QString& title);

} // namespace platform
