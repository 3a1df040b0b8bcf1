#pragma once

#include "drawing.h"

#include <QImage>
#include <QWidget>

namespace paint {

// The picture at its own size; the mouse draws on it with the chosen tool and colour.
class Canvas : public QWidget {
    Q_OBJECT
  public:
    explicit Canvas(QImage picture, QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }
    Tool tool = Tool::Pencil;
    QColor colour = Qt::black;

  signals:
    void changed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // Shapes are drawn on a copy while the mouse is down and kept when it comes up.
    bool drawsShape() const;
    void strokeTo(QPoint at);

    QImage picture_;
    QImage preview_;
    bool drawing_ = false;
    QPoint start_;
    QPoint previous_;
};

} // namespace paint
