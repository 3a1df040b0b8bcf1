#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// The sound of a wave file: uncompressed PCM, 8-bit unsigned or 16-bit signed samples.
struct WaveSound {
    int channels = 1;
    int sampleRate = 0;
    int bitsPerSample = 16;
    QByteArray samples; // whole frames only

    int bytesPerFrame() const { return channels * (bitsPerSample / 8); }
    qint64 frames() const { return samples.size() / bytesPerFrame(); }
    // The playing time, rounded down to whole milliseconds.
    qint64 durationMs() const { return frames() * 1000 / sampleRate; }
};

// Reads the bytes of a RIFF wave file. A data chunk that claims more than the file holds is
// cut to what is there. nullopt, with problem said in our words, for anything else.
std::optional<WaveSound> parseWave(const QByteArray& bytes, QString* problem = nullptr);

} // namespace platform
