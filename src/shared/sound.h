#pragma once

#include <QString>

namespace shared {

// Plays a wave file, found by the file-name rules, to its end through the sound service. A
// file that cannot be read is handed on as no sound, which takes no time.
void playWave(const QString& name);

} // namespace shared
