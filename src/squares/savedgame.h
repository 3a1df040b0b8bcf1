#pragma once

#include "board.h"

#include <QByteArray>
#include <QString>
#include <variant>

// Saved games (.squ): 54 numeric item lines, one colour per square in index order.
namespace squares {

using Colours = std::array<Colour, SquareCount>;

QByteArray squFileContent(const Colours& colours);

// The 54 colours a saved game holds, or the problem that makes it unusable.
std::variant<Colours, QString> parseSquFile(const QByteArray& content);

// Reads a saved game; the problem names what is wrong with it.
std::variant<Colours, QString> readSquFile(const QString& path);

// Writes a saved game whole; false with the problem when it cannot.
bool writeSquFile(const QString& path, const Colours& colours, QString* problem);

} // namespace squares
