// Reads any bytes as a puzzle set; a set that reads must read back the same once rewritten
// (its texts, whichever encoding the rewrite needs for them).
#include "hangman/puzzleset.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read =
        hangman::parsePuzzleSet(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (const auto* set = std::get_if<hangman::PuzzleSet>(&read)) {
        auto again = hangman::parsePuzzleSet(hangman::gameContent(*set));
        auto* reread = std::get_if<hangman::PuzzleSet>(&again);
        if (!reread)
            std::abort();
        reread->encoding = set->encoding;
        if (*reread != *set)
            std::abort();
    }
    return 0;
}
