#include "pelmora/categories.h"
#include "pelmora/guess.h"
#include "pelmora/levels.h"
#include "pelmora/pelmora1.h"
#include "pelmora/puzzlefile.h"
#include "pelmora/rotation.h"
#include "pelmora/settings.h"

#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pelmora;

namespace {

void put(const QString& path, const QByteArray& content) {
    ASSERT_TRUE(write(path, content));
}

// Runs from a temporary folder, as the game runs from its data folder.
class InTemporaryFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
    }
    void TearDown() override { QDir::setCurrent(previous_); }
    QString path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    QString previous_;
};

} // namespace

TEST(TileGrids, EachIndexLiesWhereTheTableSays) {
    struct Case {
        int index;
        QRect twips;
    } cases[] = {
        {0, {90, 105, 1800, 1770}},  {4, {1890, 1860, 1800, 1770}}, {8, {3690, 3615, 1800, 1770}},
        {9, {90, 105, 900, 1770}},   {16, {990, 1875, 900, 1770}},  {26, {4590, 3630, 900, 1770}},
        {27, {90, 105, 900, 885}},   {28, {90, 990, 900, 885}},     {29, {990, 105, 900, 885}},
        {38, {4590, 990, 900, 885}}, {39, {90, 1860, 900, 885}},    {50, {4590, 2730, 900, 885}},
        {51, {90, 3615, 900, 885}},  {61, {4590, 3615, 900, 885}},  {62, {4590, 4500, 900, 885}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tileTwips(c.index), c.twips) << "tile " << c.index;
    const struct { int level, first, last; } levels[] = {{1, 0, 8}, {2, 9, 26}, {3, 27, 62}};
    for (const auto& l : levels) {
        EXPECT_EQ(tilesOfLevel(l.level).first, l.first);
        EXPECT_EQ(tilesOfLevel(l.level).last, l.last);
        // The level's tiles cover the whole picture box.
        for (int x = 90; x < 90 + 5385; x += 45)
            for (int y = 105; y < 105 + 5300; y += 45) {
                int covering = 0;
                for (int i = l.first; i <= l.last; ++i)
                    covering += tileTwips(i).contains(x, y) ? 1 : 0;
                EXPECT_GE(covering, 1) << "level " << l.level << " at " << x << ", " << y;
            }
    }
    const int fiveCategories[] = {1, 2, 3, 4, 5, 1, 2};
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(categoryOfTile(k, 5), fiveCategories[k]);
}

TEST(Guess, ComparesLettersOnlyAndWalksTheStates) {
    struct Case {
        int state;
        const char* solution;
        const char* guess;
        const char* prompt;
        int after;
    } cases[] = {
        {0, " Hot Air!", "hotair", "You are correct!", 3},
        {0, "R2-D2 Unit", "r 9 d unit", "You are correct!", 3},
        {0, "1984", "", "You are correct!", 3},
        {0, "Snowman", "", "Incorrect.  Try again.", 0},
        {1, "Snowman", "", "The correct answer is SNOWMAN", 2},
        {1, "snowman", "SNOW MAN", "You are correct!", 3},
        {2, "Snowman", "snowman", "You already lost... try another puzzle", 2},
        {3, "Snowman", "wrong", "You already won... try another puzzle.", 3},
        {0, "Café", "caf", "You are correct!", 3},
        {0, "Straße", "strasse", "Incorrect.  Try again.", 0}, // ß has no single-letter capital
        {1, "Straße", "strae", "You are correct!", 3},
    };
    for (const Case& c : cases) {
        int state = c.state;
        QString solution = c.solution;
        EXPECT_EQ(judgeGuess(state, solution, c.guess).prompt, QString(c.prompt)) << c.solution;
        EXPECT_EQ(state, c.after) << c.solution;
    }
    int state = 1;
    QString solution = "  Ice cream ";
    EXPECT_EQ(judgeGuess(state, solution, "x").title, QString("You lose"));
    EXPECT_EQ(solution, QString("ICE CREAM"));
}

TEST(PuzzleFile, CycleLines) {
    const struct {
        const char* line;
        std::optional<qint64> n;
    } cases[] = {{"Cycle=1", 1},   {"cYcLe=12 3", 123}, {"CYCLE=abc", 0},
                 {"CYCLE=", 0},    {" Cycle=4", {}},    {"Cycle =4", {}},
                 {"Cycles=4", {}}, {"Cycle=-2", -2},    {"Cycle=1e300", 1000000000000000}};
    for (const auto& c : cases)
        EXPECT_EQ(cycleNumberOf(c.line), c.n) << c.line;
}

class Rotation : public InTemporaryFolder {
  protected:
    qint64 saved = 1;

    // One new game: the choice, then the chosen file rewritten with the next cycle.
    QString play() {
        const PuzzleChoice choice = choosePuzzle(
            QStringList({"A.puz", "B.puz", "C.puz", "D.puz"}).mid(0, files), saved,
            [](const QString& f) { return readPuzzleLines(f, nullptr).value_or(QStringList()); },
            [this](qint64 cycle) { saved = cycle; });
        const QStringList lines = *readPuzzleLines(choice.puzzleFile, nullptr);
        EXPECT_TRUE(
            writePuzzleFile(choice.puzzleFile, lines[0], lines[1], choice.cycle + 1, nullptr));
        return choice.puzzleFile.left(1) + QString::number(choice.cycle + 1);
    }
    void makePuzzles(int count) {
        files = count;
        for (int i = 0; i < count; ++i)
            put(path(QString(QChar('A' + i)) + ".puz"), "Solution\r\npic.bmp\r\nCycle=1\r\n");
    }
    int files = 0;
};

TEST_F(Rotation, ThreePuzzlesTakeTurnsAsTheExampleShows) {
    makePuzzles(3);
    QStringList games;
    for (int game = 0; game < 7; ++game) {
        const QString played = play();
        games << played + "/" + QString::number(saved);
    }
    EXPECT_EQ(games, QStringList({"A2/1", "B2/1", "C3/2", "A3/2", "B3/2", "A4/3", "B4/3"}));
    EXPECT_EQ(contentOf(path("B.puz")), QByteArray("Solution\r\npic.bmp\r\nCycle=4\r\n"));
}

TEST_F(Rotation, FourPuzzlesAndTheOnlyPuzzle) {
    makePuzzles(4);
    QStringList games;
    for (int game = 0; game < 9; ++game)
        games << play();
    EXPECT_EQ(games, QStringList({"A2", "B2", "C2", "D3", "A3", "B3", "C3", "A4", "B4"}));
    EXPECT_EQ(saved, 3);

    saved = 1;
    makePuzzles(1);
    // The only puzzle is played every game, and each game raises the saved cycle.
    EXPECT_EQ(play(), QString("A3"));
    EXPECT_EQ(play(), QString("A4"));
    EXPECT_EQ(saved, 3);
}

TEST_F(Rotation, AHighNumberLiftsTheCycleAndAnyLineMayCarryIt) {
    // A file past 64 KiB is read as far as that.
    put(path("A.puz"), "First\r\na.bmp\r\nCycle=9\r\n" + QByteArray(70 * 1024, 'x'));
    put(path("B.puz"), "Second\r\nb.bmp\r\nnote\r\ncycle=x\r\nextra line\r\n");
    put(path("C.puz"), "Third\r\nc.bmp\r\nCycle=1\r\n");
    files = 3;
    EXPECT_EQ(play(), QString("B11"));
    EXPECT_EQ(saved, 1); // the scan stopped before the end of the listing
    EXPECT_EQ(contentOf(path("B.puz")), QByteArray("Second\r\nb.bmp\r\nCycle=11\r\n"));
}

TEST_F(InTemporaryFolder, SettingsFileInTheUpperCasedWindowsDirectory) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir("Straße"));
    const SettingsFile settings(gameWindowsDirectory(path("Straße")));
    EXPECT_EQ(settings.path(), dir_.path().toUpper() + "/STRAßE\\pelmora.ini");
    EXPECT_EQ(settings.readNumber("Cycles", "Puzzles", "1").value, 1);
    EXPECT_TRUE(settings.writeNumber("PlaceHolders", "Animals.trv", 12));
    EXPECT_EQ(settings.readNumber("placeholders", "ANIMALS.TRV", "0").value, 12);
    EXPECT_TRUE(contentOf(path("Straße/pelmora.ini")).contains("Animals.trv=12"));
    put(path("Straße/pelmora.ini"), "[Cycles]\r\nPuzzles=\r\n");
    EXPECT_FALSE(settings.readNumber("Cycles", "Puzzles", "1").ok);
}

TEST_F(InTemporaryFolder, CategoriesAreNamedByTheirFirstLineOrTheirFile) {
    put(path("Animals.trv"), "Furry Friends\r\nQUESTION\r\n");
    put(path("Empty.trv"), "");
    QStringList listing = {"Animals.trv", "Empty.trv", "Missing.trv"};
    for (int i = 0; i < 30; ++i)
        listing << QString("More%1.trv").arg(i);
    const std::vector<Category> categories = readCategories(listing);
    ASSERT_EQ(categories.size(), size_t(MaxCategories));
    EXPECT_EQ(categories[0].name, QString("Furry Friends"));
    EXPECT_EQ(categories[1].name, QString("Empty"));
    EXPECT_EQ(categories[2].name, QString("Missing"));
    EXPECT_EQ(categories[24].file, QString("More21.trv"));
    EXPECT_EQ(categoryItem("Old.Maps.trv"), QString("Old"));
}

namespace {

const QByteArray TwoQuestions =
    "Quiz\r\nnotes before the first record\r\n"
    "question\r\nFirst?\r\n2\r\na\r\nb\r\nc\r\nd\r\n"
    "skipped\r\nQUESTION \r\nQuestion\r\nSecond?\r\n 3 \r\ne\r\nf\r\ng\r\nh\r\n"
    "EOF\r\n";

} // namespace

// Each case asks one question from a place: "question right count place-after answers 1..4",
// or "cut place-after" for a record cut short.
TEST(Questions, SeekWrapAndPlace) {
    const struct {
        QByteArray content;
        qint64 place;
        const char* asked;
    } cases[] = {
        {TwoQuestions, 0, "First? 2 4 1 a,b,c,d"},
        {TwoQuestions, 1, "Second? 3 4 0 e,f,g,h"},
        {TwoQuestions, 7, "First? 2 4 1 a,b,c,d"}, // beyond the last question: the first
        {"Q\r\nQUESTION\r\nWhy?\r\n4\r\nyes\r\nno\r\nEOF\r\n", 0, "Why? 4 2 0 yes,no,,old4"},
        {"Q\r\nQUESTION\r\nHow?\r\n1\r\nw\r\nx\r\ny\r\nz", 0, "How? 1 3 0 w,x,y,"},
        // Cut short before the right-answer line: nothing to ask, the place starts again.
        {"Q\r\nQUESTION\r\nCut?", 0, "cut 0"},
        {"Last\r\nQUESTION", 0, "cut 0"},
        {TwoQuestions + "QUESTION\r\nThird?\r\n", 2, "cut 0"},
        {"Q\r\nQUESTION\r\nq\r\n9\r\na\r\nb\r\nc\r\nd\r\nEOF", 0, "q 5 4 0 a,b,c,d"},
        {"Question\r\nname line\r\n0\r\na\r\nb\r\nc\r\nd\r\nEOF\r\n", 0, "name line 0 4 0 a,b,c,d"},
        {"Name only\r\nEOF\r\n", 3, "none 3"},
        {"", 0, "none 0"},
    };
    for (const auto& c : cases) {
        std::array<QString, 5> answers = {"", "old1", "old2", "old3", "old4"};
        qint64 place = c.place;
        int skipped = 0;
        const QuestionRead read = readQuestion(c.content, place, skipped, answers);
        const QString asked = read.cutShort ? QString("cut %1").arg(place)
                              : read.found
                                  ? QString("%1 %2 %3 %4 ")
                                            .arg(read.question)
                                            .arg(read.rightAnswer)
                                            .arg(read.answerCount)
                                            .arg(place) +
                                        QStringList(answers.begin() + 1, answers.end()).join(',')
                                  : QString("none %1").arg(place);
        EXPECT_EQ(asked, QString(c.asked)) << c.content.toStdString();
    }
    const std::array<QString, 5> answers = {"", "a", "b", "c", "d"};
    EXPECT_EQ(rightAnswerText(answers, 0) + rightAnswerText(answers, 4) +
                  rightAnswerText(answers, 5) + rightAnswerText(answers, -1),
              QString("d"));
}
