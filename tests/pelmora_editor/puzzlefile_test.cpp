#include "pelmora/editor/puzzlefile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pelmora::editor;

TEST(PuzzleNames, ExactlyThreeCharactersFollowTheFirstDotOfThePath) {
    const struct {
        const char* path;
        bool accepted;
    } cases[] = {
        {"/games/cat.puz", true},     {"/games/cat.PUZ", true},  {"/games/cat.txt", true},
        {"/games/cat.puzz", false},   {"/games/cat.pu", false},  {"/games/cat", false},
        {"/my.games/cat.puz", false}, {"/games/c.a.puz", false}, {"/games/cat.bmp", false},
        {"/games/CAT.BMP", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isAcceptedPuzzleName(c.path), c.accepted) << c.path;
}

TEST(PuzzleNames, ThePictureLiesBesideThePuzzleWithBmpInPlaceOfItsExtension) {
    EXPECT_EQ(picturePathFor("/games/cat.PUZ"), "/games/cat.bmp");
    EXPECT_EQ(picturePathFor("/games/cat.txt"), "/games/cat.bmp");
}

TEST(PuzzleFile, ThreeLinesWithTheSolutionAsTypedAndReadBackUpToThePicture) {
    EXPECT_EQ(puzzleFileBytes(" A cat ", "/games/cat.bmp"),
              QByteArray(" A cat \r\n/games/cat.bmp\r\nCycle=1\r\n"));
    QTemporaryDir dir;
    QFile file(dir.filePath("cat.puz"));
    file.open(QIODevice::WriteOnly);
    file.write(puzzleFileBytes(" A cat ", "cat.bmp"));
    file.close();
    const std::optional<PuzzleHead> head = readPuzzleHead(file.fileName());
    ASSERT_TRUE(head);
    EXPECT_EQ(head->solution, " A cat ");
    EXPECT_EQ(head->picturePath, "cat.bmp");

    file.open(QIODevice::WriteOnly);
    file.write("only a solution\r\n");
    file.close();
    EXPECT_FALSE(readPuzzleHead(file.fileName()));
    EXPECT_FALSE(readPuzzleHead(dir.filePath("missing.puz")));
}
