#include "platform/fonts.h"

#include <QFont>
#include <gtest/gtest.h>

using platform::mappedFont;

TEST(Fonts, WindowsFaceNamesMapToSansSerifAtTheSameSize) {
    const QFont font = mappedFont("MS Sans Serif", 8.25, true);
    EXPECT_EQ(font.styleHint(), QFont::SansSerif);
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 8.25);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(mappedFont("MS Sans Serif", 10, false).bold());
}
