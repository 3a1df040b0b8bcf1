#include "canvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace paint {

Canvas::Canvas(QImage picture, QWidget* parent)
    : QWidget(parent), picture_(picture.convertToFormat(QImage::Format_RGB32)) {
    setObjectName("Canvas");
    setFixedSize(picture_.size());
    setCursor(Qt::CrossCursor);
}

bool Canvas::drawsShape() const {
    return tool == Tool::Line || tool == Tool::Rectangle || tool == Tool::FilledRectangle;
}

void Canvas::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, drawing_ && drawsShape() ? preview_ : picture_);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    if (tool == Tool::Fill) {
        floodFill(picture_, at, colour);
        update();
        emit changed();
        return;
    }
    drawing_ = true;
    start_ = previous_ = at;
    strokeTo(at);
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    if (drawing_)
        strokeTo(event->position().toPoint());
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    if (!drawing_ || event->button() != Qt::LeftButton)
        return;
    strokeTo(event->position().toPoint());
    if (drawsShape())
        picture_ = preview_;
    drawing_ = false;
    update();
    emit changed();
}

void Canvas::strokeTo(QPoint at) {
    if (drawsShape()) {
        preview_ = picture_.copy();
        applyTool(preview_, tool, start_, previous_, at, colour);
    } else {
        applyTool(picture_, tool, start_, previous_, at, colour);
    }
    previous_ = at;
    update();
}

} // namespace paint
