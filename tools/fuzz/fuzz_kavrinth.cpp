// Reads any bytes as a Kavrinth champions list and as its piece setting file.
#include "kavrinth/champions.h"
#include "kavrinth/piecesetting.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const auto list = kavrinth::parseChampions(bytes))
        kavrinth::championsListText(*list);
    if (const auto setting = kavrinth::findPieceSetting(bytes))
        kavrinth::pieceIndex(*setting);
    return 0;
}
