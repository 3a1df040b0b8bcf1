#include "platform/picturebox.h"

#include <QImage>
#include <gtest/gtest.h>

// The picture sits unscaled at the top-left inside the border, clipped, and looks the same
// while its window is disabled (a label would grey it).
TEST(PictureBox, ShowsItsPictureTheSameWhenDisabled) {
    QWidget window;
    auto* box = new platform::PictureBox(&window);
    box->setGeometry(0, 0, 20, 20);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPixmap red(40, 40);
    red.fill(Qt::red);
    box->setPicture(red);
    const QImage enabled = box->grab().toImage();
    window.setEnabled(false);
    const QImage disabled = box->grab().toImage();
    EXPECT_EQ(enabled.copy(1, 1, 18, 18), disabled.copy(1, 1, 18, 18));
    EXPECT_EQ(enabled.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(enabled.pixelColor(18, 18), QColor(Qt::red));
    EXPECT_NE(enabled.pixelColor(19, 19), QColor(Qt::red)); // the border
}
