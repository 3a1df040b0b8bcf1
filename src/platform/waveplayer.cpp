#include "waveplayer.h"

#include <alsa/asoundlib.h>
#include <chrono>
#include <thread>

namespace platform {

namespace {

// ALSA prints its complaints to stderr; a game without a sound device keeps quiet.
void quietErrors(const char*, int, const char*, int, const char*, ...) {}

constexpr unsigned LatencyMicroseconds = 50000;

} // namespace

WavePlayer::~WavePlayer() {
    if (pcm_)
        snd_pcm_close(pcm_);
}

void WavePlayer::playWave(const QByteArray& bytes) {
    if (const auto sound = parseWave(bytes))
        play(*sound);
}

void WavePlayer::play(const WaveSound& sound) {
    if (openDevice() && playOnDevice(sound))
        return;
    std::this_thread::sleep_for(std::chrono::milliseconds(sound.durationMs()));
}

bool WavePlayer::openDevice() {
    if (!triedDevice_) {
        triedDevice_ = true;
        snd_lib_error_set_handler(quietErrors);
        // Opened without blocking, so a device another program holds is refused at once
        // instead of stopping the game; the plays then block as they should.
        if (snd_pcm_open(&pcm_, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
            pcm_ = nullptr;
        else if (snd_pcm_nonblock(pcm_, 0) < 0) {
            snd_pcm_close(pcm_);
            pcm_ = nullptr;
        }
    }
    return pcm_ != nullptr;
}

bool WavePlayer::playOnDevice(const WaveSound& sound) {
    const snd_pcm_format_t format =
        sound.bitsPerSample == 8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
    if (snd_pcm_set_params(pcm_, format, SND_PCM_ACCESS_RW_INTERLEAVED, unsigned(sound.channels),
                           unsigned(sound.sampleRate), 1, LatencyMicroseconds) < 0)
        return false;
    const char* next = sound.samples.constData();
    snd_pcm_uframes_t left = snd_pcm_uframes_t(sound.frames());
    while (left > 0) {
        snd_pcm_sframes_t written = snd_pcm_writei(pcm_, next, left);
        if (written < 0)
            written = snd_pcm_recover(pcm_, int(written), 1);
        if (written < 0) {
            snd_pcm_drop(pcm_);
            return false;
        }
        next += written * sound.bytesPerFrame();
        left -= snd_pcm_uframes_t(written);
    }
    snd_pcm_drain(pcm_);
    return true;
}

} // namespace platform
