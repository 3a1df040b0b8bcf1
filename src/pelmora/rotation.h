#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace pelmora {

struct PuzzleChoice {
    QString puzzleFile;
    qint64 cycle;
};

// Picks the next puzzle from a listing that is not empty: the first file with a cycle line
// whose number is at most the cycle. A number above cycle + 2 lifts the cycle to that number
// + 1 for the rest of the scan. Each time the scan reaches the end of the listing the cycle
// grows by 1 and saveCycle is told; when nothing qualified the first file is played.
// linesOf gives a file's lines (none when it cannot be read).
PuzzleChoice choosePuzzle(const QStringList& listing, qint64 cycle,
                          const std::function<QStringList(const QString&)>& linesOf,
                          const std::function<void(qint64)>& saveCycle);

} // namespace pelmora
