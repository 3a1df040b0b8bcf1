#include "sound.h"
#include "files.h"
#include "platform/filenames.h"
#include "platform/services.h"

namespace shared {

void playWave(const QString& name) {
    platform::services().playWave(name,
                                  readFile(platform::resolveFileName(name), limit::Sound, nullptr));
}

} // namespace shared
