#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

// What the paint program's tools do to a picture, free of any window.
namespace paint {

enum class Tool { Pencil, Line, Rectangle, FilledRectangle, Fill, Eraser };

// The eraser's square, in pixels, and the colour it leaves.
inline constexpr int EraserSize = 8;
inline const QColor EraserColour = Qt::white;

// A one-pixel line from one point to the other, both ends included.
void drawLine(QImage& image, QPoint from, QPoint to, const QColor& colour);
// The outline of the rectangle with these two corners, or the rectangle filled.
void drawRectangle(QImage& image, QPoint corner, QPoint opposite, const QColor& colour,
                   bool filled);
// Rubs out along a stroke with the eraser's square centred on the path.
void erase(QImage& image, QPoint from, QPoint to);
// Fills the area of one colour around the point (its four neighbours joining it) with colour.
void floodFill(QImage& image, QPoint start, const QColor& colour);

// A tool's stroke from where the mouse went down to where it is now. Pencil and eraser draw
// the last step only; the shapes draw from the start.
void applyTool(QImage& image, Tool tool, QPoint start, QPoint previous, QPoint now,
               const QColor& colour);

} // namespace paint
