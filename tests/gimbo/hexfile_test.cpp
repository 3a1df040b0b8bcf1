#include "filesizelimit.h"
#include "gimbo/hexfile.h"
#include "shared/files.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace gimbo;

namespace {

// Slots 1 to 7 hold tiles 2, 1, 3, 4, 5, 6, 7, none turned, after 42 seconds.
SavedGame sample() {
    SavedGame game;
    game.slotTile = {2, 1, 3, 4, 5, 6, 7};
    for (int t = 0; t < SlotCount; ++t)
        for (int k = 0; k < EdgeCount; ++k)
            game.tiles[t][k] = SolvedTiles[t][k];
    game.seconds = 42;
    return game;
}

QByteArray withLine(int line, const QByteArray& text) {
    QList<QByteArray> lines = hexFileContent(sample()).split('\n');
    lines[line - 1] = text + '\r';
    return lines.join('\n');
}

} // namespace

TEST(HexFile, FiftyLinesOfNumberTextRoundTripByteForByte) {
    SavedGame game = sample();
    EXPECT_TRUE(
        hexFileContent(game).startsWith(" 2\r\n 1\r\n 3\r\n 4\r\n 5\r\n 6\r\n 7\r\n 3\r\n 6\r\n"));
    EXPECT_TRUE(hexFileContent(game).endsWith(" 1\r\n 2\r\n 3\r\n 42\r\n"));
    game.slotTile[3] = 3.5; // the nearest tile, halves to even: 4
    game.tiles[6][5] = -2.25;
    game.seconds = 0.5;
    QTemporaryDir dir;
    QString problem;
    ASSERT_TRUE(writeHexFile(dir.filePath("game.hex"), game, &problem)) << problem.toStdString();
    const QByteArray written = *shared::readFile(dir.filePath("game.hex"), 1000, &problem);
    EXPECT_EQ(written.count("\r\n"), HexFileLines);
    EXPECT_EQ(written.count('\n'), HexFileLines);
    EXPECT_FALSE(written.contains(" \r\n"));
    EXPECT_TRUE(written.contains("\r\n 3.5\r\n"));
    EXPECT_TRUE(written.endsWith("\r\n-2.25\r\n .5\r\n"));
    // Only the 50 lines count: notes after them, however long, are passed over.
    ASSERT_TRUE(write(dir.filePath("game.hex"), written + QByteArray("notes\r\n").repeated(10000)));
    const auto read = readHexFile(dir.filePath("game.hex"));
    ASSERT_TRUE(std::holds_alternative<SavedGame>(read));
    EXPECT_EQ(hexFileContent(std::get<SavedGame>(read)), written);
}

TEST(HexFile, RefusesWhatTheGameCannotUse) {
    const QByteArray whole = hexFileContent(sample());
    const struct {
        const char* what;
        QByteArray content;
        const char* problem;
    } cases[] = {
        {"empty", "", "only 0 of the 50"},
        {"one line short", whole.left(whole.size() - 5), "only 49 of the 50"},
        {"tile 0", withLine(3, " 0"), "Line 3"},
        {"tile 8", withLine(7, " 8"), "Line 7"},
        {"rounds to 8", withLine(1, " 7.6"), "Line 1"},
        {"rounds to 0", withLine(2, " .5"), "Line 2"},
        {"no number", withLine(5, "five"), "Line 5"},
        {"too large edge", withLine(20, " 1E999"), "Line 20"},
        {"too large seconds", withLine(50, "-1e400"), "Line 50"},
    };
    for (const auto& c : cases) {
        const auto read = parseHexFile(c.content);
        ASSERT_TRUE(std::holds_alternative<QString>(read)) << c.what;
        EXPECT_TRUE(std::get<QString>(read).contains(c.problem))
            << c.what << ": " << std::get<QString>(read).toStdString();
    }
    EXPECT_EQ(std::get<SavedGame>(parseHexFile(withLine(4, " 6.5"))).slotTile[3], 6.5);
    // Beyond 15 digits this is a hair under 7.5, but a save writes 7.5: refused at once.
    EXPECT_TRUE(std::holds_alternative<QString>(parseHexFile(withLine(4, "7.4999999999999991"))));
    QTemporaryDir dir;
    EXPECT_TRUE(std::holds_alternative<QString>(readHexFile(dir.filePath("missing.hex"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.hex"));
    EXPECT_TRUE(std::holds_alternative<QString>(readHexFile(dir.filePath("folder.hex"))));
}

TEST(HexFile, ASaveThatCannotBeWrittenKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("game.hex");
    QString problem;
    ASSERT_TRUE(writeHexFile(path, sample(), &problem));
    const QByteArray before = *shared::readFile(path, shared::limit::SmallFile, &problem);
    // A child process may write no more than 40 bytes: the 50 lines do not fit.
    SavedGame other = sample();
    other.seconds = 43;
    const int status = runInChild(40, [&] {
        QString childProblem;
        const bool saved = writeHexFile(path, other, &childProblem);
        return saved ? 0 : childProblem.isEmpty() ? 2 : 1;
    });
    ASSERT_NE(status, -1);
    EXPECT_EQ(status, 1); // refused, with a reason
    EXPECT_EQ(*shared::readFile(path, shared::limit::SmallFile, &problem), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"game.hex"}));
}
