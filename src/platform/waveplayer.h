#pragma once

#include "wavefile.h"

#include <QString>

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

    // A file that cannot be read as a wave plays nothing and returns at once.
    void playFile(const QString& name);
    void play(const WaveSound& sound);

  private:
    bool openDevice();
    bool playOnDevice(const WaveSound& sound);

    _snd_pcm* pcm_ = nullptr;
    bool triedDevice_ = false;
};

} // namespace platform
