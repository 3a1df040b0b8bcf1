#pragma once

#include <QPixmap>

namespace platform {

// One cell of a picture cut into rows x columns equal cells, counted left to right and then
// top to bottom. Cells are the strip's size divided by the count, rounded down, so pixels left
// over at the right and bottom belong to no cell. A cell outside the grid is an empty picture.
QPixmap pictureCell(const QPixmap& strip, int rows, int columns, int cell);

} // namespace platform
