#pragma once

#include <QWidget>

namespace platform {

// The client area of a window with a sizable border: it opens at its design size and then
// takes the size the player gives the window, its background colour filling all of it.
class ClientArea : public QWidget {
  public:
    ClientArea(QSize designSize, QWidget* parent);
    QSize sizeHint() const override { return designSize_; }

  private:
    QSize designSize_;
};

// A control aligned to the bottom edge: it keeps its height and stays on its parent's bottom
// edge at the parent's full width, however the parent is resized.
void alignToBottom(QWidget* control);

} // namespace platform
