#include "paint/drawing.h"

#include <gtest/gtest.h>

using namespace paint;

namespace {

QImage blank(int width = 20, int height = 12) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

int count(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour.rgb();
    return n;
}

} // namespace

TEST(Drawing, LinesAndRectanglesCoverTheirCornersExactly) {
    QImage image = blank();
    drawLine(image, {2, 3}, {9, 3}, Qt::red);
    EXPECT_EQ(count(image, Qt::red), 8);
    EXPECT_EQ(image.pixel(9, 3), QColor(Qt::red).rgb());

    image = blank();
    drawRectangle(image, {8, 7}, {3, 2}, Qt::blue, false);
    EXPECT_EQ(count(image, Qt::blue), 2 * 6 + 2 * 4);
    EXPECT_EQ(image.pixel(5, 4), QColor(Qt::white).rgb());
    EXPECT_EQ(image.pixel(8, 7), QColor(Qt::blue).rgb());

    image = blank();
    drawRectangle(image, {3, 2}, {8, 7}, Qt::blue, true);
    EXPECT_EQ(count(image, Qt::blue), 6 * 6);
    drawRectangle(image, {0, 0}, {0, 5}, Qt::green, false);
    EXPECT_EQ(count(image, Qt::green), 6);
}

TEST(Drawing, FloodFillStaysInsideItsOutline) {
    QImage image = blank();
    drawRectangle(image, {2, 2}, {10, 8}, Qt::black, false);
    floodFill(image, {5, 5}, Qt::red);
    EXPECT_EQ(count(image, Qt::red), 7 * 5);
    EXPECT_EQ(image.pixel(0, 0), QColor(Qt::white).rgb());
    // Outside, the fill flows round the outline and reaches every other white pixel.
    floodFill(image, {0, 0}, Qt::green);
    EXPECT_EQ(count(image, Qt::white), 0);
    EXPECT_EQ(count(image, Qt::red), 7 * 5);
    // The same colour again, or a point off the picture, changes nothing.
    const QImage before = image;
    floodFill(image, {0, 0}, Qt::green);
    floodFill(image, {-1, 40}, Qt::blue);
    EXPECT_EQ(image, before);
}

TEST(Drawing, TheEraserRubsOutASquareAlongItsPath) {
    QImage image = blank(40, 20);
    image.fill(Qt::black);
    erase(image, {10, 10}, {20, 10});
    EXPECT_EQ(count(image, EraserColour), (10 + EraserSize) * EraserSize);
    EXPECT_EQ(image.pixel(15, 10 - EraserSize / 2), EraserColour.rgb());
    EXPECT_EQ(image.pixel(15, 10 + EraserSize / 2), QColor(Qt::black).rgb());
}
