#include "savedgame.h"
#include "shared/files.h"
#include "shared/numbertext.h"
#include "shared/textfile.h"

#include <cmath>

namespace squares {

namespace {

shared::TextFileWriter squWriter(const Colours& colours) {
    shared::TextFileWriter writer;
    for (Colour colour : colours)
        writer.writeNumberLine(colour);
    return writer;
}

} // namespace

QByteArray squFileContent(const Colours& colours) {
    return squWriter(colours).content();
}

std::variant<Colours, QString> parseSquFile(const QByteArray& content) {
    shared::TextFileReader reader(content);
    Colours colours{};
    for (int square = 0; square < SquareCount; ++square) {
        if (reader.atEnd())
            return QString("It holds only %1 of the %2 colours a saved game needs.")
                .arg(square)
                .arg(SquareCount);
        const QString item = reader.readItem();
        if (!shared::isNumberItem(item))
            return QString("Item %1 is not a number.").arg(square + 1);
        const double rounded = std::nearbyint(shared::textToNumber(item));
        if (!(rounded >= 0 && rounded <= MaxColour))
            return QString("Item %1 is not a colour: %2.")
                .arg(square + 1)
                .arg(shared::itemForMessage(item));
        colours[square] = Colour(rounded);
    }
    return colours;
}

std::variant<Colours, QString> readSquFile(const QString& path) {
    QString problem;
    std::optional<QByteArray> content =
        shared::readFilePrefix(path, shared::limit::SmallFile, &problem, "saved game");
    if (!content)
        return problem;
    return parseSquFile(*content);
}

bool writeSquFile(const QString& path, const Colours& colours, QString* problem) {
    return squWriter(colours).save(path, problem, "saved game");
}

} // namespace squares
