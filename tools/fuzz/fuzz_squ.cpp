// Reads any bytes as a saved Squares game.
#include "squares/savedgame.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    squares::parseSquFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
