#include "pelmora/editor/puzzlenames.h"

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
