// Reads any bytes as a puzzle set; a set that reads must read back the same once rewritten.
#include "hangman/puzzleset.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read =
        hangman::parsePuzzleSet(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (const auto* set = std::get_if<hangman::PuzzleSet>(&read)) {
        const auto again = hangman::parsePuzzleSet(hangman::gameContent(*set));
        if (!std::holds_alternative<hangman::PuzzleSet>(again) ||
            std::get<hangman::PuzzleSet>(again) != *set)
            std::abort();
    }
    return 0;
}
