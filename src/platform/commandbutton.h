#pragma once

#include <QPushButton>

namespace platform {

// A command button whose caption, centred, wraps onto more lines at word breaks where one
// line is too wide for the button; "&" marks the access key, shown underlined.
class CommandButton : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace platform
