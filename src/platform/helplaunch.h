#pragma once

#include "services.h"

#include <QString>

namespace platform {

// Starts a command line such as "winhlp32.exe squares.hlp" without waiting for it. The help
// viewer's and the paint program's names map to our own helpview and paint programs beside
// the game; the help file is looked for in the working directory. A missing program or help
// file, or a failed start, gets a message and the result false.
// Our programs are looked for in programDir, the game's own folder unless a test says otherwise.
bool shell(const QString& commandLine, WindowStyle style, const QString& programDir = {});

// Whether the program that shell started for this name (such as "mspaint.exe") still runs.
bool shellProgramRuns(const QString& name, const QString& programDir = {});

// The environment value that names another paint program to start in place of ours.
inline constexpr char PaintProgramVariable[] = "QUIBLAX_PAINT";

// Where the program named on a command line is found: helpview in programDir for the help
// viewer, paint in programDir (or the program QUIBLAX_PAINT names) for the paint program,
// else the name itself.
QString programFor(const QString& name, const QString& programDir);

} // namespace platform
