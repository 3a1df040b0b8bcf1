#include "platform/picturestrip.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

// A strip of 218 x 36 with each sixth painted its own grey: cells are 36 wide, the two
// pixels left over at the right belong to none.
TEST(PictureStrip, CutsSixCellsLeftToRight) {
    QImage strip(218, 36, QImage::Format_RGB32);
    strip.fill(Qt::red);
    for (int i = 0; i < 6; ++i)
        QPainter(&strip).fillRect(i * 36, 0, 36, 36, QColor(i * 40, i * 40, i * 40));
    const QPixmap pixmap = QPixmap::fromImage(strip);
    for (int i = 0; i < 6; ++i) {
        const QImage cell = platform::pictureCell(pixmap, 1, 6, i).toImage();
        ASSERT_EQ(cell.size(), QSize(36, 36)) << i;
        EXPECT_EQ(cell.pixelColor(0, 0), QColor(i * 40, i * 40, i * 40)) << i;
        EXPECT_EQ(cell.pixelColor(35, 35), QColor(i * 40, i * 40, i * 40)) << i;
    }
    EXPECT_TRUE(platform::pictureCell(pixmap, 1, 6, 6).isNull());
    EXPECT_TRUE(platform::pictureCell(pixmap, 1, 6, -1).isNull());
    EXPECT_TRUE(platform::pictureCell(QPixmap(), 1, 6, 0).isNull());
}
