#pragma once

#include "wavefile.h"

#include <QByteArray>

struct _snd_pcm;

namespace platform {

// Plays wave files through ALSA, each to its end before play() returns. The sound device is
// opened on the first play and kept open. Without a device, or when the device refuses a
// sound, play() waits for the sound's length instead, so the game keeps its pace.
class WavePlayer {
  public:
    WavePlayer() = default;
    ~WavePlayer();
    WavePlayer(const WavePlayer&) = delete;
    WavePlayer& operator=(const WavePlayer&) = delete;

    // Bytes that are not a wave sound play nothing and return at once.
    void playWave(const QByteArray& bytes);
    void play(const WaveSound& sound);

  private:
    bool openDevice();
    bool playOnDevice(const WaveSound& sound);

    _snd_pcm* pcm_ = nullptr;
    bool triedDevice_ = false;
};

} // namespace platform
