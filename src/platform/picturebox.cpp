#include "picturebox.h"

#include <QPainter>

namespace platform {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.drawPixmap(inside.topLeft(), picture_);
}

} // namespace platform
