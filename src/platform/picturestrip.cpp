#include "picturestrip.h"

namespace platform {

QPixmap pictureCell(const QPixmap& strip, int rows, int columns, int cell) {
    if (rows < 1 || columns < 1 || cell < 0 || cell >= rows * columns)
        return {};
    const int width = strip.width() / columns;
    const int height = strip.height() / rows;
    if (width < 1 || height < 1)
        return {};
    return strip.copy((cell % columns) * width, (cell / columns) * height, width, height);
}

} // namespace platform
