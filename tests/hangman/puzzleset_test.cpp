#include "hangman/puzzleset.h"

#include <gtest/gtest.h>

using namespace hangman;

namespace {

const QByteArray EditorSaved =
    "Capitals\r\n 3, 0\r\nFrance, Paris\r\nUSA, New York\r\nPeru, Lima\r\n";

PuzzleSet parsed(const QByteArray& content) {
    const auto read = parsePuzzleSet(content);
    if (const QString* problem = std::get_if<QString>(&read))
        ADD_FAILURE() << problem->toStdString();
    return std::holds_alternative<PuzzleSet>(read) ? std::get<PuzzleSet>(read) : PuzzleSet{};
}

} // namespace

TEST(PuzzleSetFile, TheEditorsFormReadsAndTheGameRewritesItWithTwoBlanks) {
    PuzzleSet set = parsed(EditorSaved);
    EXPECT_EQ(set.title, "Capitals");
    EXPECT_EQ(set.position, 0);
    ASSERT_EQ(set.puzzles.size(), 3);
    EXPECT_EQ(set.puzzles[1], (Puzzle{"USA", "New York"}));
    set.position = nextPosition(set.position, 3);
    EXPECT_EQ(gameContent(set),
              "Capitals\r\n 3,  1\r\nFrance, Paris\r\nUSA, New York\r\nPeru, Lima\r\n");
    EXPECT_EQ(parsed(gameContent(set)), set);
    // Items are read wherever the commas and line ends put them.
    PuzzleSet split = parsed("Split\r\n 2\r\n 0\r\nFrance\r\nParis\r\nPeru\r\nLima\r\n");
    EXPECT_EQ(split.puzzles[0], (Puzzle{"France", "Paris"}));
    split.position = nextPosition(split.position, 2);
    EXPECT_EQ(gameContent(split), "Split\r\n 2,  1\r\nFrance, Paris\r\nPeru, Lima\r\n");
    // A UTF-8 set is rewritten in UTF-8, a single-byte one in single bytes.
    for (const QByteArray& cafe : {QByteArray("Caf\xc3\xa9"), QByteArray("Caf\xe9")}) {
        const PuzzleSet read = parsed(cafe + "\r\n 1, 0\r\nA, B\r\n");
        EXPECT_EQ(read.title, QString::fromUtf8("Caf\u00e9"));
        EXPECT_EQ(gameContent(read), cafe + "\r\n 1,  0\r\nA, B\r\n");
    }
}

TEST(PuzzleSetFile, TheEditorWritesPositionZeroWithOneBlank) {
    const QList<Puzzle> puzzles = {{"France", "Paris"}, {"USA", "New York"}, {"Peru", "Lima"}};
    EXPECT_EQ(editorContent("Capitals", puzzles), EditorSaved);
    // Texts as typed; the set still reads the same way.
    EXPECT_EQ(editorContent(" Odd ", {{"a ", " b"}}), " Odd \r\n 1, 0\r\na ,  b\r\n");
}

TEST(PuzzleSetFile, ThePositionMovesOnAndWrapsPastTheLast) {
    const struct {
        int position, count, next;
    } cases[] = {{0, 12, 1}, {3, 12, 4}, {11, 12, 12}, {12, 12, 1},
                 {3, 3, 1},  {40, 3, 1}, {0, 1, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(nextPosition(c.position, c.count), c.next) << c.position << " of " << c.count;
    // However far past the last puzzle a stored position is, it wraps to the first.
    const std::pair<const char*, int> stored[] = {
        {" 2", 3}, {" 3", 1}, {" 4000000000", 1}, {" 1E+30", 1}};
    for (const auto& [position, next] : stored) {
        const PuzzleSet set =
            parsed(QByteArray("T\r\n 3,") + position + "\r\nA, B\r\nC, D\r\nE, F\r\n");
        EXPECT_EQ(nextPosition(set.position, 3), next) << position;
    }
}

TEST(PuzzleSetFile, AnItemHoldingACommaIsWrittenInQuotesAndReadsBackTheSame) {
    const PuzzleSet set =
        parsed("\"Towns, Cities\"\r\n 1,  0\r\n\"Paris, France\", \"1,000 years\"\r\n");
    EXPECT_EQ(set.title, "Towns, Cities");
    EXPECT_EQ(set.puzzles[0], (Puzzle{"Paris, France", "1,000 years"}));
    const QByteArray rewritten = gameContent(set);
    EXPECT_EQ(rewritten, "\"Towns, Cities\"\r\n 1,  0\r\n\"Paris, France\", \"1,000 years\"\r\n");
    EXPECT_EQ(parsed(rewritten), set);
    const PuzzleSet blanks = parsed("\" T\"\r\n 1, 0\r\n\" a\", \"b \"\r\n");
    EXPECT_EQ(blanks.puzzles[0], (Puzzle{" a", "b "}));
    EXPECT_EQ(parsed(gameContent(blanks)), blanks);
    EXPECT_TRUE(canBeWritten("say \"hi\"") && canBeWritten("a, b"));
    EXPECT_FALSE(canBeWritten("say \"hi\", then") || canBeWritten("\"begins"));
}

TEST(PuzzleSetFile, LinesAfterTheLastPuzzleAreNotRead) {
    const PuzzleSet set = parsed("T\r\n 1, 0\r\nA, B\r\nnot, a, puzzle\r\n");
    EXPECT_EQ(set.puzzles.size(), 1);
}

TEST(PuzzleSetFile, UnplayableSetsNameTheirProblem) {
    const QByteArray answer32(32, 'A');
    const struct {
        const char* what;
        QByteArray content;
        const char* problem;
    } cases[] = {
        {"empty", "", "empty"},
        {"title only", "T\r\n", "number of puzzles, after the title, is missing"},
        {"count not a number", "T\r\n x, 0\r\nA, B\r\n", "number of puzzles"},
        {"count 0", "T\r\n 0, 0\r\n", "number of puzzles"},
        {"count not whole", "T\r\n 1.5, 0\r\nA, B\r\nC, D\r\n", "number of puzzles"},
        {"no position", "T\r\n 1\r\n",
         "last puzzle played, after the number of puzzles, is missing"},
        {"position below 0", "T\r\n 1, -1\r\nA, B\r\n", "last puzzle played"},
        {"position text", "T\r\n 1, x\r\nA, B\r\n", "last puzzle played"},
        {"fewer lines", "T\r\n 3, 0\r\nA, B\r\nC, D\r\n", "3 puzzles but holds only 2"},
        {"count too large", "T\r\n 1E+20, 0\r\nA, B\r\n", "1E+20 puzzles but holds only 1"},
        {"count as written", "T\r\n 1e3 , 0\r\nA, B\r\n", "hold 1e3 puzzles but holds only 1"},
        {"no comma", "T\r\n 2, 0\r\nA, B\r\nC D\r\n", "2 puzzles but holds only 1"},
        {"blank line", "T\r\n 1, 0\r\n\r\n", "holds only 0"},
        {"answer too long", "T\r\n 1, 0\r\nA, " + answer32 + "\r\n", "puzzle 1 is longer than 31"},
        {"title with comma", "T, U\r\n 1, 0\r\nA, B\r\n", "number of puzzles"},
        {"title open quote", "\"T\r\n 1, 0\r\nA, B\r\n", "title is not closed"},
        {"open quote", "T\r\n 2, 0\r\nA, \"B\r\nC, D\r\n", "puzzle 1 is not closed"},
    };
    for (const auto& c : cases) {
        const auto read = parsePuzzleSet(c.content);
        ASSERT_TRUE(std::holds_alternative<QString>(read)) << c.what;
        EXPECT_TRUE(std::get<QString>(read).contains(c.problem))
            << c.what << ": " << std::get<QString>(read).toStdString();
    }
    EXPECT_EQ(parsed("T\r\n 1, 0\r\nA, " + QByteArray(31, 'A') + "\r\n").puzzles[0].answer.size(),
              31);
}
