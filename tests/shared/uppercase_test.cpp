#include "shared/uppercase.h"

#include <gtest/gtest.h>

TEST(UpperCase, LettersBecomeCapitalsThatFitInOneByte) {
    const struct {
        QString text, upper;
    } cases[] = {
        {"hangqz.ini", "HANGQZ.INI"},
        {"/tmp/a-b_c\\d 1", "/TMP/A-B_C\\D 1"},
        {QString::fromLatin1("s\xe3o \xe9t\xe9"), QString::fromLatin1("S\xc3O \xc9T\xc9")},
        {QString::fromLatin1("stra\xdf"
                             "e \xff"),
         QString::fromLatin1("STRA\xdf"
                             "E \xff")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shared::upperCase(c.text), c.upper) << c.text.toStdString();
}
