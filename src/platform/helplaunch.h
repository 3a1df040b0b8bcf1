#pragma once

#include "services.h"

#include <QString>

namespace platform {

// Starts a command line such as "winhlp32.exe squares.hlp" without waiting for it. The help
// viewer's name maps to our own helpview program beside the game; the help file is looked
// for in the working directory. A missing viewer or help file gets a message instead.
// The viewer is looked for in programDir, the game's own folder unless a test says otherwise.
void shell(const QString& commandLine, WindowStyle style, const QString& programDir = {});

// Where the program named on a command line is found: helpview in programDir for the help
// viewer, else the name itself.
QString programFor(const QString& name, const QString& programDir);

} // namespace platform
