#include "piecesetting.h"
#include "platform/filenames.h"
#include "shared/files.h"
#include "shared/numbertext.h"
#include "shared/textfile.h"

#include <QFileInfo>
#include <cmath>

namespace kavrinth {

std::optional<QString> findPieceSetting(const QByteArray& content) {
    shared::TextFileReader reader(content);
    while (!reader.atEnd()) {
        if (shared::trimBlanks(reader.readLine().toUpper()) != "[PIECE]")
            continue;
        if (reader.atEnd())
            return std::nullopt;
        const QString line = reader.readLine();
        const qsizetype equals = line.indexOf('=');
        return shared::trimBlanks(equals < 0 ? line.left(25) : line.mid(equals + 1, 25));
    }
    return std::nullopt;
}

QByteArray defaultPieceFile() {
    shared::TextFileWriter writer;
    writer.writeTextLine("[PIECE]");
    writer.writeTextLine("PIECE=11");
    return writer.content();
}

QByteArray pieceFileFor(int index) {
    shared::TextFileWriter writer;
    writer.writeTextLine("[PIECE]");
    writer.writeTextLine("PIECE=" + shared::numberText(index));
    return writer.content();
}

int pieceIndex(const QString& setting) {
    const double value = std::nearbyint(shared::textToNumber(setting));
    if (!(value >= 0 && value < PieceCount))
        return DefaultPiece;
    return int(value);
}

PieceFileRead readPieceSetting(const QString& path) {
    PieceFileRead read;
    const QString defaultSetting = QString::number(DefaultPiece);
    const QString file = platform::resolveFileName(path);
    if (!QFileInfo::exists(file)) {
        read.state = shared::saveFile(file, defaultPieceFile(), &read.problem)
                         ? PieceFileState::Created
                         : PieceFileState::NotCreated;
        read.setting = defaultSetting;
        return read;
    }
    const std::optional<QByteArray> content =
        shared::readFilePrefix(file, shared::limit::SmallFile, &read.problem);
    if (!content) {
        read.state = PieceFileState::Unreadable;
        read.setting = defaultSetting;
        return read;
    }
    read.setting = findPieceSetting(*content);
    return read;
}

} // namespace kavrinth
