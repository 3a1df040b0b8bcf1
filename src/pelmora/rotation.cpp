#include "rotation.h"
#include "puzzlefile.h"

namespace pelmora {

PuzzleChoice choosePuzzle(const QStringList& listing, qint64 cycle,
                          const std::function<QStringList(const QString&)>& linesOf,
                          const std::function<void(qint64)>& saveCycle) {
    const QString firstPuzzle = listing.value(0);
    QString chosen;
    for (qsizetype next = 0; chosen.isEmpty();) {
        const QString file = listing.value(next++);
        for (const QString& line : linesOf(file)) {
            const std::optional<qint64> n = cycleNumberOf(line);
            if (!n)
                continue;
            if (*n <= cycle)
                chosen = file;
            if (*n > cycle + 2)
                cycle = *n + 1;
        }
        if (next >= listing.size()) {
            ++cycle;
            saveCycle(cycle);
            if (chosen.isEmpty())
                chosen = firstPuzzle;
        }
    }
    return {chosen, cycle};
}

} // namespace pelmora
