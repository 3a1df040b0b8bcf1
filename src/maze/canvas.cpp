#include "canvas.h"
#include "platform/twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace maze {

namespace {

QPointF inTwips(const QMouseEvent* event) {
    return event->position() * platform::TwipsPerPixel;
}

} // namespace

Canvas::Canvas(QSize designSize, QWidget* parent) : QWidget(parent), designSize_(designSize) {
    setObjectName("Canvas");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void Canvas::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, surface_);
}

void Canvas::resizeEvent(QResizeEvent*) {
    const qreal ratio = devicePixelRatioF();
    surface_ = QImage(size() * ratio, QImage::Format_RGB32);
    surface_.setDevicePixelRatio(ratio);
    surface_.fill(palette().color(QPalette::Window));
    emit resized();
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    emit pressed(inTwips(event));
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    emit moved(inTwips(event));
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    emit released(inTwips(event));
}

} // namespace maze
