#include "pictures.h"

namespace kavrinth {

QPixmap piecePicture(int index) {
    return QPixmap(QString(":/art/kavrinth-piece-%1.png").arg(index, 2, 10, QChar('0')));
}

PictureBox::PictureBox(QWidget* parent) : platform::ClickLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
}

} // namespace kavrinth
