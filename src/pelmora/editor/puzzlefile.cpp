#include "puzzlefile.h"
#include "platform/runtimeerror.h"
#include "shared/files.h"
#include "shared/textfile.h"

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

QByteArray puzzleFileBytes(const QString& solution, const QString& picturePath) {
    shared::TextFileWriter writer;
    writer.writeTextLine(solution);
    writer.writeTextLine(picturePath);
    writer.writeTextLine("Cycle=1");
    return writer.content();
}

std::optional<PuzzleHead> readPuzzleHead(const QString& path) {
    std::optional<shared::TextFileReader> reader =
        shared::TextFileReader::open(path, shared::limit::DataFile, nullptr);
    if (!reader)
        return std::nullopt;
    try {
        PuzzleHead head;
        head.solution = reader->readLine();
        head.picturePath = reader->readLine();
        return head;
    } catch (const platform::RunTimeError&) {
        return std::nullopt;
    }
}

} // namespace pelmora::editor
