#include "squares/savedgame.h"

#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace squares;

namespace {

Colours sampleColours() {
    Colours colours{};
    const Colour palette[] = {Red, Blue, Green, Yellow, White, Black};
    for (int i = 0; i < SquareCount; ++i)
        colours[i] = palette[(i * 7) % 6];
    return colours;
}

QByteArray lines(int count, const QByteArray& line) {
    QByteArray content;
    for (int i = 0; i < count; ++i)
        content += line;
    return content;
}

} // namespace

TEST(SavedGame, EachSquareIsANumericLineWithBlanksAroundItsDigits) {
    Colours colours{};
    colours.fill(Black);
    colours[0] = Red;
    colours[53] = White;
    const QByteArray content = squFileContent(colours);
    EXPECT_TRUE(content.startsWith(" 255 \r\n 0 \r\n"));
    EXPECT_TRUE(content.endsWith(" 0 \r\n 16777215 \r\n"));
    EXPECT_EQ(content.count("\r\n"), 54);
    EXPECT_EQ(content.count('\n'), 54);
}

TEST(SavedGame, WritingAndReadingGiveTheSameFileAndColours) {
    QTemporaryDir dir;
    const QString path = dir.filePath("game.squ");
    QString problem;
    ASSERT_TRUE(writeSquFile(path, sampleColours(), &problem)) << problem.toStdString();
    const auto read = readSquFile(path);
    ASSERT_TRUE(std::holds_alternative<Colours>(read));
    EXPECT_EQ(std::get<Colours>(read), sampleColours());
    EXPECT_EQ(contentOf(path), squFileContent(sampleColours()));
    // Only the 54 items count: notes after them, however long, are passed over.
    ASSERT_TRUE(write(path, contentOf(path) + QByteArray("notes\r\n").repeated(10000)));
    const auto again = readSquFile(path);
    ASSERT_TRUE(std::holds_alternative<Colours>(again));
    EXPECT_EQ(std::get<Colours>(again), sampleColours());
}

TEST(SavedGame, DamagedFilesNameTheirProblem) {
    const struct {
        const char* what;
        QByteArray content;
        const char* problem;
    } cases[] = {
        {"empty", "", "only 0 of the 54"},
        {"short", lines(53, " 255 \r\n"), "only 53 of the 54"},
        {"word", lines(10, " 255 \r\n") + "red\r\n" + lines(43, " 0 \r\n"),
         "Item 11 is not a number"},
        {"blank line", lines(53, " 255 \r\n") + "\r\n", "Item 54 is not a number"},
        {"too large", " 16777216 \r\n" + lines(53, " 0 \r\n"), "Item 1 is not a colour: 16777216."},
        {"beyond a double", lines(53, " 0 \r\n") + " 1e400 ", "Item 54 is not a colour: 1e400."},
        {"60,000 digits", QByteArray("1234567890").repeated(6000) + "\r\n" + lines(53, " 0 \r\n"),
         "Item 1 is not a colour: 1234567890123456789\u2026."},
        {"negative", lines(5, " 0 \r\n") + "-1 \r\n" + lines(48, " 0 \r\n"),
         "Item 6 is not a colour: -1."},
    };
    for (const auto& c : cases) {
        const auto read = parseSquFile(c.content);
        ASSERT_TRUE(std::holds_alternative<QString>(read)) << c.what;
        EXPECT_TRUE(std::get<QString>(read).contains(c.problem))
            << c.what << ": " << std::get<QString>(read).toStdString();
    }
    EXPECT_TRUE(std::holds_alternative<QString>(readSquFile("/no/such/game.squ")));
}

TEST(SavedGame, ItemsMayShareALineAndExtraLinesAreIgnored) {
    QByteArray content = "255,0, 65280\r\n" + lines(51, " 0 \r\n") + "trailing words\r\n";
    const auto read = parseSquFile(content);
    ASSERT_TRUE(std::holds_alternative<Colours>(read));
    EXPECT_EQ(std::get<Colours>(read)[0], Red);
    EXPECT_EQ(std::get<Colours>(read)[2], Green);
}
