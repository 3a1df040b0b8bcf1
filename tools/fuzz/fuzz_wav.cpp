// Reads any bytes as a wave file and walks its whole sound.
#include "platform/wavefile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto sound =
        platform::parseWave(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (sound) {
        volatile qint64 sum = sound->durationMs();
        const qint64 bytes = sound->frames() * sound->bytesPerFrame();
        for (qint64 i = 0; i < bytes; ++i)
            sum = sum + sound->samples.at(i);
    }
    return 0;
}
