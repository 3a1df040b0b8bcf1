#pragma once

#include "gimbo1.h"

#include <QByteArray>
#include <QString>
#include <variant>

// Saved games (.hex): 50 lines of number text with CR LF: the tiles in slots 1 to 7, the six
// edges of tiles 1 to 7, and the seconds.
namespace gimbo {

inline constexpr int HexFileLines = 50;

struct SavedGame {
    std::array<double, SlotCount> slotTile{};
    std::array<std::array<double, EdgeCount>, SlotCount> tiles{};
    double seconds = 0;
};

SavedGame savedGameOf(const Gimbo1& game);
QByteArray hexFileContent(const SavedGame& game);

// The game a file holds, or the problem that makes it unusable.
std::variant<SavedGame, QString> parseHexFile(const QByteArray& content);
std::variant<SavedGame, QString> readHexFile(const QString& path);

// Writes the game whole; false with the problem when it cannot.
bool writeHexFile(const QString& path, const SavedGame& game, QString* problem);

} // namespace gimbo
