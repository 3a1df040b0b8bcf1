#include "twips.h"

namespace platform {

QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QSize twipsSize(int width, int height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}

QPoint twipsPoint(int x, int y) {
    return {twipsToPixels(x), twipsToPixels(y)};
}

QPoint centredTopLeft(QSize screenTwips, QSize windowTwips) {
    return {(screenTwips.width() - windowTwips.width()) / 2,
            (screenTwips.height() - windowTwips.height()) / 2};
}

} // namespace platform
