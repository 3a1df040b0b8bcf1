#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Positions and sizes of every window are given in twips; at 96 dpi a pixel is 15 twips.
// Qt's high-dpi scaling takes care of other screens, so the conversion is fixed.
namespace platform {

inline constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    // Round to the nearest pixel, halves away from zero, for negative values too.
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

// The pixel a point given in twips lies in, counted from the pixel at 0: a line drawn at the
// far edge of an area whose size is a whole number of pixels stays inside it.
constexpr int pixelHolding(int twips) {
    return twips >= 0 ? twips / TwipsPerPixel : -((-twips + TwipsPerPixel - 1) / TwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels) {
    return pixels * TwipsPerPixel;
}

QRect twipsRect(int left, int top, int width, int height);
QSize twipsSize(int width, int height);
QPoint twipsPoint(int x, int y);

// The top-left corner, in twips, that centres a window on the screen. Not clamped:
// a window larger than the screen gets a negative position.
QPoint centredTopLeft(QSize screenTwips, QSize windowTwips);

} // namespace platform
