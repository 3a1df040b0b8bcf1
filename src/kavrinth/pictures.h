#pragma once

#include "platform/clicklabel.h"

#include <QLabel>
#include <QPixmap>

namespace kavrinth {

inline constexpr unsigned Magenta = 0x00FF00FF;

// Piece picture n (0..39) as the picker holds it.
QPixmap piecePicture(int index);

// A picture box without a border that tells when it is clicked: pressed and let go on it.
class PictureBox : public platform::ClickLabel {
  public:
    explicit PictureBox(QWidget* parent);
};

} // namespace kavrinth
