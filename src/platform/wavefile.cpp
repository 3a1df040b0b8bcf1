#include "wavefile.h"

#include <QtEndian>
#include <algorithm>

namespace platform {

namespace {

constexpr int PcmFormat = 1;

quint32 word32(const char* at) {
    return qFromLittleEndian<quint32>(at);
}

quint16 word16(const char* at) {
    return qFromLittleEndian<quint16>(at);
}

std::optional<WaveSound> fail(QString* problem, const QString& why) {
    if (problem)
        *problem = why;
    return std::nullopt;
}

} // namespace

std::optional<WaveSound> parseWave(const QByteArray& bytes, QString* problem) {
    const char* data = bytes.constData();
    const qint64 size = bytes.size();
    if (size < 12 || bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE")
        return fail(problem, "It is not a wave file.");

    std::optional<WaveSound> sound;
    qint64 at = 12;
    while (at + 8 <= size) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 claimed = word32(data + at + 4);
        const qint64 body = at + 8;
        const qint64 present = std::min(claimed, size - body);
        if (id == "fmt ") {
            if (present < 16)
                return fail(problem, "Its format description is cut short.");
            WaveSound format;
            const int tag = word16(data + body);
            format.channels = word16(data + body + 2);
            format.sampleRate = int(std::min<quint32>(word32(data + body + 4), 1u << 30));
            format.bitsPerSample = word16(data + body + 14);
            if (tag != PcmFormat)
                return fail(problem, "Its sound is compressed; only plain PCM can be played.");
            if (format.bitsPerSample != 8 && format.bitsPerSample != 16)
                return fail(problem, "Only 8-bit and 16-bit sounds can be played.");
            if (format.channels < 1 || format.channels > 8)
                return fail(problem, "Its number of channels is not one that can be played.");
            if (format.sampleRate < 1000 || format.sampleRate > 192000)
                return fail(problem, "Its sample rate is not one that can be played.");
            sound = format;
        } else if (id == "data") {
            if (!sound)
                return fail(problem, "Its sound comes before its format description.");
            const qint64 whole = present - present % sound->bytesPerFrame();
            sound->samples = bytes.mid(body, whole);
            return sound;
        }
        // Chunks are padded to an even length.
        at = body + claimed + (claimed & 1);
    }
    return fail(problem, sound ? "It holds no sound." : "Its format description is missing.");
}

} // namespace platform
