#include "hexfile.h"
#include "shared/files.h"
#include "shared/numbertext.h"
#include "shared/textfile.h"

#include <cmath>

namespace gimbo {

namespace {

shared::TextFileWriter hexWriter(const SavedGame& game) {
    shared::TextFileWriter writer;
    auto line = [&](double value) { writer.writeTextLine(shared::decimalNumberText(value)); };
    for (double tile : game.slotTile)
        line(tile);
    for (const auto& edges : game.tiles)
        for (double value : edges)
            line(value);
    line(game.seconds);
    return writer;
}

} // namespace

SavedGame savedGameOf(const Gimbo1& game) {
    SavedGame saved;
    for (int slot = 1; slot <= SlotCount; ++slot)
        saved.slotTile[slot - 1] = game.SlotTile[slot];
    for (int tile = 1; tile <= SlotCount; ++tile)
        for (int edge = 1; edge <= EdgeCount; ++edge)
            saved.tiles[tile - 1][edge - 1] = game.Tiles[tile][edge];
    saved.seconds = game.Seconds;
    return saved;
}

QByteArray hexFileContent(const SavedGame& game) {
    return hexWriter(game).content();
}

std::variant<SavedGame, QString> parseHexFile(const QByteArray& content) {
    shared::TextFileReader reader(content);
    std::array<double, HexFileLines> values{};
    for (int line = 0; line < HexFileLines; ++line) {
        if (reader.atEnd())
            return QString("It holds only %1 of the %2 lines a saved game needs.")
                .arg(line)
                .arg(HexFileLines);
        const double value = shared::textToNumber(reader.readLine());
        if (!std::isfinite(value))
            return QString("Line %1 holds a number too large to use.").arg(line + 1);
        // Kept as a save writes it back (15 significant digits), so a file that opens once
        // opens again after a save.
        values[line] = shared::textToNumber(shared::decimalNumberText(value));
    }
    SavedGame game;
    for (int slot = 0; slot < SlotCount; ++slot) {
        const double tile = std::nearbyint(values[slot]);
        if (!(tile >= 1 && tile <= SlotCount))
            return QString("Line %1 names no tile from 1 to 7.").arg(slot + 1);
        game.slotTile[slot] = values[slot];
    }
    for (int tile = 0; tile < SlotCount; ++tile)
        for (int edge = 0; edge < EdgeCount; ++edge)
            game.tiles[tile][edge] = values[SlotCount + EdgeCount * tile + edge];
    game.seconds = values[HexFileLines - 1];
    return game;
}

std::variant<SavedGame, QString> readHexFile(const QString& path) {
    QString problem;
    const std::optional<QByteArray> content =
        shared::readFilePrefix(path, shared::limit::SmallFile, &problem);
    if (!content)
        return problem;
    return parseHexFile(*content);
}

bool writeHexFile(const QString& path, const SavedGame& game, QString* problem) {
    return hexWriter(game).save(path, problem);
}

} // namespace gimbo
