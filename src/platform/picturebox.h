#pragma once

#include <QFrame>
#include <QPixmap>

namespace platform {

// A picture box: shows its picture unscaled from the top-left corner inside its border,
// clipped, and the same whether or not its window is enabled.
class PictureBox : public QFrame {
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
};

} // namespace platform
