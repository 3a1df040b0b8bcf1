#include "platform/windowoption.h"

#include <gtest/gtest.h>

TEST(WindowOption, IsTakenOutOfTheArgumentsWhereverItStands) {
    const struct {
        QStringList arguments;
        QString style;
        QStringList left;
    } cases[] = {
        {{"squares.hlp"}, "normal", {"squares.hlp"}},
        {{"squares.hlp", "--window", "maximized"}, "maximized", {"squares.hlp"}},
        {{"--window", "minimized", "Pelmtemp.bmp"}, "minimized", {"Pelmtemp.bmp"}},
        {{"gimbo.hlp", "--window"}, "normal", {"gimbo.hlp"}},
    };
    for (const auto& c : cases) {
        QStringList arguments = c.arguments;
        EXPECT_EQ(platform::takeWindowOption(arguments), c.style)
            << c.arguments.join(' ').toStdString();
        EXPECT_EQ(arguments, c.left);
    }
}
