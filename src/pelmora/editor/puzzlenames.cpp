#include "puzzlenames.h"
#include "pelmora/puzzlefile.h"

namespace pelmora::editor {

bool isAcceptedPuzzleName(const QString& path) {
    const qsizetype dot = path.indexOf('.');
    return dot >= 0 && path.size() - (dot + 1) == 3 &&
           path.mid(dot + 1).compare("bmp", Qt::CaseInsensitive) != 0;
}

QString picturePathFor(const QString& puzzlePath) {
    const qsizetype dot = puzzlePath.indexOf('.');
    return dot < 0 ? puzzlePath : puzzlePath.left(dot + 1) + "bmp" + puzzlePath.mid(dot + 4);
}

std::optional<PuzzleHead> readPuzzleHead(const QString& path) {
    shared::TextEncoding encoding{};
    const std::optional<QStringList> lines = readPuzzleLines(path, nullptr, &encoding);
    if (!lines || lines->size() < 2)
        return std::nullopt;
    return PuzzleHead{lines->at(0), lines->at(1), encoding};
}

} // namespace pelmora::editor
