#pragma once

#include <QByteArray>

namespace shared {

// Whether a picture file's bytes reach as far as its own header says: a BMP holds every row
// its header promises (run-length coded rows: up to their end code), a GIF its trailer after
// its last image, a JPEG its end marker after its last scan. Qt reads such files without
// complaint and leaves the missing part of the picture unset or black. Other files, and files
// too broken to tell, count as whole; the image reader refuses those itself.
bool holdsWholePicture(const QByteArray& bytes);

} // namespace shared
