#pragma once

#include <QLabel>

namespace platform {

// A label that tells when it is clicked: the left button pressed and let go on it, as a
// click on a label or picture box counts.
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

} // namespace platform
