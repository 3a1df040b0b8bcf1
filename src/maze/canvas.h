#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>

namespace maze {

// The client area of the maze window. What the game draws goes into a picture that stands
// for the window's surface and is shown as it is on every paint event, so the drawing
// survives other windows passing over it. Mouse positions are reported in twips.
class Canvas : public QWidget {
    Q_OBJECT
  public:
    // designSize: the client area the window opens with, in pixels.
    Canvas(QSize designSize, QWidget* parent);
    QSize sizeHint() const override { return designSize_; }

    // The surface to draw on; call present() afterwards to show it.
    QImage& surface() { return surface_; }
    void present() { update(); }

  signals:
    void pressed(QPointF twips);
    void moved(QPointF twips);
    void released(QPointF twips);
    // After a resize, with a fresh surface of the new size.
    void resized();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QSize designSize_;
    QImage surface_;
};

} // namespace maze
