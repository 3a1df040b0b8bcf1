#include "window.h"
#include "twips.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

namespace platform {

QSize screenSizeTwips(const QWidget* window) {
    QScreen* screen =
        window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->geometry().size() : QSize(1024, 768);
    return {pixelsToTwips(pixels.width()), pixelsToTwips(pixels.height())};
}

QSize windowSizeTwips(const QWidget* window) {
    const QSize pixels = window->isVisible() ? window->frameGeometry().size() : window->size();
    return {pixelsToTwips(pixels.width()), pixelsToTwips(pixels.height())};
}

void centreWindow(QWidget* window) {
    const QPoint topLeft = centredTopLeft(screenSizeTwips(window), windowSizeTwips(window));
    window->move(twipsToPixels(topLeft.x()), twipsToPixels(topLeft.y()));
}

void setCaption(QWidget* window, const QString& caption) {
    // The toolkit shows a doubled placeholder as one literal "[*]".
    QString escaped = caption;
    escaped.replace("[*]", "[*][*]");
    window->setWindowTitle(escaped);
}

QColor colourFromBgr(unsigned bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

unsigned bgrFromColour(const QColor& colour) {
    return unsigned(colour.red()) | unsigned(colour.green()) << 8 | unsigned(colour.blue()) << 16;
}

void setBackground(QWidget* widget, unsigned bgr) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colourFromBgr(bgr));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace platform
