// Asks of any bytes whether they hold the whole picture their header promises.
#include "shared/wholepicture.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    volatile bool whole =
        shared::holdsWholePicture(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    (void)whole;
    return 0;
}
