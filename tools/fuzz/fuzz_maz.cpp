// Reads any bytes as a maze file and puts it in place.
#include "maze/mazefile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read =
        maze::parseMazFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (const auto* file = std::get_if<maze::MazeFile>(&read)) {
        maze::QUIBMAZE1 state;
        maze::applyMazeFile(state, *file);
        for (int x = 0; x < maze::Columns; ++x)
            for (int y = 0; y < maze::Rows; ++y)
                maze::PassageOpen(state.Maze, x, y, maze::Top);
    }
    return 0;
}
