#pragma once

#include <QFont>
#include <QString>

namespace platform {

// The window fonts the games name ("MS Sans Serif" and the like) do not exist here:
// they map to the system's sans-serif at the same point size.
QFont mappedFont(const QString& faceName, double pointSize, bool bold);

} // namespace platform
