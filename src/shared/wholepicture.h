#pragma once

#include <QByteArray>

namespace shared {

// Whether a picture file's bytes reach as far as its own header says: a BMP holds every row
// (or every RLE byte) its header promises, a JPEG its end marker after its last scan. Qt reads
// such files without complaint and leaves the missing part of the picture unset. Other files,
// and files too broken to tell, count as whole; the image reader refuses those itself.
bool holdsWholePicture(const QByteArray& bytes);

} // namespace shared
