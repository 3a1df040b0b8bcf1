#include "shared/numbertext.h"

#include <QProcess>
#include <QTemporaryDir>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>

using namespace shared;

TEST(NumberText, LeadingBlankUnlessNegative) {
    EXPECT_EQ(numberText(0), " 0");
    EXPECT_EQ(numberText(5), " 5");
    EXPECT_EQ(numberText(255), " 255");
    EXPECT_EQ(numberText(-5), "-5");
    EXPECT_EQ(numberText(16777215), " 16777215");
    EXPECT_EQ("Hits: " + numberText(5), "Hits:  5");
}

TEST(TextToNumber, FollowsTheBlankSkippingRule) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"17", 17},    {"017", 17},     {"  17", 17}, {"1 7", 17},   {"17  ", 17},  {"17.0", 17},
        {"17abc", 17}, {"17.5x", 17.5}, {"", 0},      {"abc", 0},    {"x17", 0},    {"-4", -4},
        {"- 4", -4},   {"+3", 3},       {".5", 0.5},  {"1e3", 1000}, {"1E+2", 100}, {"2D2", 200},
        {"1e", 1},     {"1e+", 1},      {"3-4", 3},   {".", 0},      {"-", 0},      {"1,5", 1},
        {" 3 ", 3},    {"9\t9", 99},    {"0 5", 5},   {"5 ", 5},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(textToNumber(QString(c.text)), c.value) << '"' << c.text << '"';
}

TEST(TextToNumber, NumbersBeyondADoubleAreInfinite) {
    EXPECT_TRUE(std::isinf(textToNumber(u"1e999")));
    EXPECT_TRUE(std::isinf(textToNumber(u"-1e999")));
    EXPECT_DOUBLE_EQ(textToNumber(u"1e-999"), 0.0);
}

TEST(TextToNumber, ThePlayersLocaleDoesNotChangeTheDecimalPoint) {
    const char* commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"};
    const char* chosen = nullptr;
    for (const char* name : commaLocales)
        if ((chosen = std::setlocale(LC_NUMERIC, name)))
            break;
    // Without one installed, compile a German locale into a folder of our own.
    QTemporaryDir folder;
    if (!chosen && QProcess::execute("localedef", {"-i", "de_DE", "-f", "UTF-8",
                                                   folder.filePath("de_DE.UTF-8")}) == 0) {
        qputenv("LOCPATH", folder.path().toLocal8Bit());
        chosen = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    }
    if (!chosen)
        GTEST_SKIP() << "no locale with a decimal comma is at hand";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_DOUBLE_EQ(textToNumber(u"17.5"), 17.5);
    EXPECT_DOUBLE_EQ(textToNumber(u".5"), 0.5);
    EXPECT_DOUBLE_EQ(textToNumber(u"17,5"), 17);
    std::setlocale(LC_NUMERIC, "C");
}

TEST(NumberItem, OneNumberWithBlanksAnywhereCounts) {
    for (const char* text : {"255", " 255 ", " 2 5 5 ", "- 3", "0", "1 .5", "2e3"})
        EXPECT_TRUE(isNumberItem(QString(text))) << text;
    for (const char* text : {"", "  ", "abc", "12x", "1 2x", "--1", "."})
        EXPECT_FALSE(isNumberItem(QString(text))) << text;
}

TEST(Trim, RemovesOnlyOuterBlanks) {
    EXPECT_EQ(trimBlanks("  a b  "), "a b");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(trimBlanks(""), "");
    EXPECT_EQ(trimBlanks("\ta\t"), "\ta\t");
}

TEST(DecimalNumberText, ShowsFractionsTheOldWay) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, " 0"},
        {-0.0, " 0"},
        {3, " 3"},
        {-7, "-7"},
        {2.5, " 2.5"},
        {0.5, " .5"},
        {-0.5, "-.5"},
        {-12.25, "-12.25"},
        {0.0001, " .0001"},
        {0.00001, " 1E-05"},
        {-0.000015, "-1.5E-05"},
        {123456789012345, " 123456789012345"},
        {1e15, " 1E+15"},
        {1234567890123456, " 1.23456789012346E+15"},
        {1.0 / 3, " .333333333333333"},
        {2.0 / 3, " .666666666666667"},
        {1e300, " 1E+300"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decimalNumberText(c.value), c.text) << c.value;
}

TEST(DecimalNumberText, WholeNumbersReadAsTheWholeNumberText) {
    for (qint64 value : {qint64(0), qint64(42), qint64(-42), qint64(999999999999999)})
        EXPECT_EQ(decimalNumberText(double(value)), numberText(value));
}

TEST(DecimalNumberText, ReadsBackAsTheSameNumber) {
    for (double value : {2.5, -0.5, 0.1, 17.125, -3e-7, 6.02e23})
        EXPECT_DOUBLE_EQ(textToNumber(decimalNumberText(value)), value) << value;
}
