// Reads any bytes as a saved GimboAgram game; a game it accepts is written and read back
// the same.
#include "gimbo/hexfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read =
        gimbo::parseHexFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (const auto* game = std::get_if<gimbo::SavedGame>(&read)) {
        const QByteArray written = gimbo::hexFileContent(*game);
        const auto again = gimbo::parseHexFile(written);
        if (!std::holds_alternative<gimbo::SavedGame>(again) ||
            gimbo::hexFileContent(std::get<gimbo::SavedGame>(again)) != written)
            std::abort();
    }
    return 0;
}
