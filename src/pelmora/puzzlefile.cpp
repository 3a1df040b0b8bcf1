#include "puzzlefile.h"
#include "shared/files.h"
#include "shared/numbertext.h"

#include <algorithm>
#include <cmath>

namespace pelmora {

namespace {

// Cycle numbers stay far from the ends of the whole-number range, so n + 1 cannot overflow.
constexpr double Largest = 1e15;

} // namespace

std::optional<qint64> cycleNumberOf(const QString& line) {
    if (line.left(6).toUpper() != "CYCLE=")
        return std::nullopt;
    const double n = shared::textToNumber(QStringView(line).mid(6));
    return qint64(std::round(std::clamp(n, -Largest, Largest)));
}

std::optional<QStringList> readPuzzleLines(const QString& path, QString* problem,
                                           shared::TextEncoding* encoding) {
    // Only the first lines count, so a longer file is read as far as the limit.
    const std::optional<QByteArray> content =
        shared::readFilePrefix(path, shared::limit::SmallFile, problem);
    if (!content)
        return std::nullopt;
    shared::TextFileReader reader(*content);
    if (encoding)
        *encoding = reader.encoding();
    return reader.readLines();
}

QByteArray puzzleFileBytes(const QString& solution, const QString& picturePath, qint64 cycle,
                           shared::TextEncoding encoding) {
    shared::TextFileWriter writer(encoding);
    writer.writeTextLine(solution);
    writer.writeTextLine(picturePath);
    writer.writeTextLine("Cycle=" + QString::number(cycle));
    return writer.content();
}

bool writePuzzleFile(const QString& path, const QString& solution, const QString& picturePath,
                     qint64 cycle, QString* problem, shared::TextEncoding encoding) {
    return shared::saveFile(path, puzzleFileBytes(solution, picturePath, cycle, encoding), problem);
}

} // namespace pelmora
