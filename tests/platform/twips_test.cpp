#include "platform/twips.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Twips, FifteenTwipsMakeAPixelRoundedToTheNearest) {
    const struct {
        int twips;
        int pixels;
    } cases[] = {{0, 0},      {15, 1},   {7, 0},    {8, 1},   {555, 37}, {5850, 390},
                 {4830, 322}, {200, 13}, {-15, -1}, {-8, -1}, {-7, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(twipsToPixels(c.twips), c.pixels) << c.twips << " twips";
    EXPECT_EQ(pixelsToTwips(390), 5850);
    EXPECT_EQ(twipsRect(120, 720, 555, 555), QRect(8, 48, 37, 37));
}

TEST(Twips, CentringIsHalfTheDifferenceAndNeverClamped) {
    EXPECT_EQ(centredTopLeft({15360, 11520}, {5850, 4830}), QPoint(4755, 3345));
    // A window larger than the screen keeps its negative position.
    EXPECT_EQ(centredTopLeft({4800, 3600}, {7230, 5205}), QPoint(-1215, -802));
    EXPECT_EQ(centredTopLeft({1000, 1000}, {1000, 1000}), QPoint(0, 0));
}
