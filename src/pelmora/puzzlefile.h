#pragma once

#include "shared/textfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Puzzle files: the solution, the picture's path and a "Cycle=" line, CR LF line ends.
namespace pelmora {

// Puzzle pictures fill the picture box exactly: 5385 x 5300 twips.
inline constexpr int PictureWidth = 359;
inline constexpr int PictureHeight = 353;
inline constexpr int PictureBoxWidthTwips = 5385;
inline constexpr int PictureBoxHeightTwips = 5300;

// The cycle number of a line whose first six characters are "CYCLE=" in any case: the number
// at the start of the rest (0 when there is none). nullopt for any other line.
std::optional<qint64> cycleNumberOf(const QString& line);

// Every line of a puzzle file's first 64 KiB, or nullopt with the reason when it cannot be
// read; encoding, when given, gets the encoding the file was read in.
std::optional<QStringList> readPuzzleLines(const QString& path, QString* problem,
                                           shared::TextEncoding* encoding = nullptr);

// The bytes of a puzzle file: its three lines, "Cycle=" followed by cycle without blanks, in
// the encoding a file read before keeps.
QByteArray puzzleFileBytes(const QString& solution, const QString& picturePath, qint64 cycle,
                           shared::TextEncoding encoding = shared::TextEncoding::SingleByte);

// Writes a puzzle file whole as its three lines, "Cycle=" followed by cycle without blanks.
bool writePuzzleFile(const QString& path, const QString& solution, const QString& picturePath,
                     qint64 cycle, QString* problem,
                     shared::TextEncoding encoding = shared::TextEncoding::SingleByte);

} // namespace pelmora
