#include "platform/twips.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Twips, FifteenTwipsMakeAPixelRoundedToTheNearest) {
    // A size rounds to the nearest pixel; a drawn point lies in the pixel that holds it.
    const struct {
        int twips;
        int pixels;
        int holding;
    } cases[] = {{0, 0, 0},        {15, 1, 1},       {7, 0, 0},        {8, 1, 0},
                 {555, 37, 37},    {5850, 390, 390}, {4830, 322, 322}, {200, 13, 13},
                 {5200, 347, 346}, {-15, -1, -1},    {-8, -1, -1},     {-7, 0, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(twipsToPixels(c.twips), c.pixels) << c.twips << " twips";
        EXPECT_EQ(pixelHolding(c.twips), c.holding) << c.twips << " twips";
    }
    EXPECT_EQ(pixelsToTwips(390), 5850);
    EXPECT_EQ(twipsRect(120, 720, 555, 555), QRect(8, 48, 37, 37));
}

TEST(Twips, CentringIsHalfTheDifferenceAndNeverClamped) {
    EXPECT_EQ(centredTopLeft({15360, 11520}, {5850, 4830}), QPoint(4755, 3345));
    // A window larger than the screen keeps its negative position.
    EXPECT_EQ(centredTopLeft({4800, 3600}, {7230, 5205}), QPoint(-1215, -802));
    EXPECT_EQ(centredTopLeft({1000, 1000}, {1000, 1000}), QPoint(0, 0));
}
