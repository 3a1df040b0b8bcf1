#include "sound.h"
#include "files.h"
#include "platform/services.h"

namespace shared {

void playWave(const QString& name) {
    platform::services().playWave(name, readFile(name, limit::Picture, nullptr));
}

} // namespace shared
