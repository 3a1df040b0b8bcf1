#include "maze/mazefile.h"
#include "mazeroute.h"
#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace maze;

namespace {

QByteArray rows(int count, const QByteArray& line) {
    QByteArray content;
    for (int i = 0; i < count; ++i)
        content += line + "\r\n";
    return content;
}

const QByteArray Fifteens = QByteArray("15").repeated(Columns);

MazeFile parsed(const QByteArray& content) {
    auto result = parseMazFile(content);
    if (const QString* problem = std::get_if<QString>(&result))
        ADD_FAILURE() << problem->toStdString();
    return std::get<MazeFile>(result);
}

} // namespace

TEST(MazFile, FieldsAreTwoCharactersReadAsNumbers) {
    const struct {
        QByteArray field;
        double value;
    } cases[] = {
        {"05", 5},  {" 5", 5},  {"5 ", 5},  {"  ", 0},   {"15", 15}, {"32", 32},
        {"64", 64}, {"99", 99}, {"-9", -9}, {".5", 0.5}, {"1.", 1},  {"x7", 0},
        {"7x", 7},  {"1 ", 1},  {"+3", 3},  {"1E", 1},   {"--", 0},
    };
    for (const auto& c : cases) {
        // The field under test sits in column 17 of row 9, between fields of 15.
        QByteArray line = Fifteens;
        line.replace(34, 2, c.field);
        const QByteArray content = rows(9, Fifteens) + rows(1, line) + rows(16, Fifteens);
        const MazeFile file = parsed(content);
        EXPECT_EQ(file.maze[17][9], c.value) << c.field.constData();
        EXPECT_EQ(file.maze[16][9], 15);
        EXPECT_EQ(file.maze[18][9], 15);
    }
}

TEST(MazFile, ShortLinesReadZeroPastTheirEndAndLongOnesAreCut) {
    QByteArray content;
    content += rows(1, Fifteens.left(40));      // columns 20..35 read 0
    content += rows(1, Fifteens.left(41));      // column 20 has only its "1"
    content += rows(1, "");                     // a whole row of 0
    content += rows(1, Fifteens + "07" + "12"); // characters after the 72nd are ignored
    content += rows(22, Fifteens);
    content += rows(3, "garbage after the 26th line");
    const MazeFile file = parsed(content);
    EXPECT_EQ(file.maze[19][0], 15);
    for (int c = 20; c < Columns; ++c)
        EXPECT_EQ(file.maze[c][0], 0) << c;
    EXPECT_EQ(file.maze[20][1], 1);
    EXPECT_EQ(file.maze[21][1], 0);
    for (int c = 0; c < Columns; ++c)
        EXPECT_EQ(file.maze[c][2], 0) << c;
    EXPECT_EQ(file.maze[35][3], 15);
    EXPECT_EQ(file.maze[35][25], 15);
}

TEST(MazFile, TheLast32InReadingOrderIsTheStart) {
    QByteArray first = Fifteens;
    first.replace(2 * 4, 2, "32");
    QByteArray later = Fifteens;
    later.replace(2 * 30, 2, "32");
    later.replace(2 * 2, 2, "32");
    const MazeFile file =
        parsed(rows(3, Fifteens) + rows(1, first) + rows(1, later) + rows(21, Fifteens));
    ASSERT_TRUE(file.start);
    EXPECT_EQ(*file.start, (Cell{30, 4}));
    EXPECT_EQ(file.maze[4][3], StartValue);

    QUIBMAZE1 state;
    state.StartX = 7;
    state.StartY = 0;
    applyMazeFile(state, file);
    EXPECT_EQ(state.StartX, 30);
    EXPECT_EQ(state.StartY, 4);
    EXPECT_EQ(state.Maze[2][4], StartValue);
}

TEST(MazFile, AFileWithoutAStartKeepsThePreviousStart) {
    const MazeFile file = parsed(rows(26, QByteArray("64").repeated(Columns)));
    EXPECT_FALSE(file.start);
    QUIBMAZE1 state;
    state.StartX = 12;
    state.StartY = 0;
    applyMazeFile(state, file);
    EXPECT_EQ(state.StartX, 12);
    EXPECT_EQ(state.Maze[12][0], FinishValue);
}

TEST(MazFile, TheLastLineNeedsNoLineEndButAMissingLineIsAProblem) {
    EXPECT_TRUE(std::holds_alternative<MazeFile>(parseMazFile(rows(25, Fifteens) + Fifteens)));
    // An empty 26th line is still a line.
    EXPECT_TRUE(std::holds_alternative<MazeFile>(parseMazFile(rows(26, ""))));
    const struct {
        QByteArray content;
        const char* problem;
    } cases[] = {
        {"", "after 0 of the 26 rows"},
        {rows(25, Fifteens), "after 25 of the 26 rows"},
        {rows(1, Fifteens), "after 1 of the 26 rows"},
        // Rows padded so that the 4 MiB the reader takes end in the 25th row, or in the 26th's
        // fields.
        {rows(26, Fifteens + QByteArray(170000, ' ')), "too large for a maze: more than 4194304"},
        {rows(26, Fifteens + QByteArray(167698, ' ')), "too large for a maze: more than 4194304"},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        ASSERT_TRUE(write(dir.filePath("m.maz"), c.content));
        const auto result = readMazFile(dir.filePath("m.maz"));
        ASSERT_TRUE(std::holds_alternative<QString>(result)) << c.problem;
        EXPECT_TRUE(std::get<QString>(result).contains(c.problem))
            << std::get<QString>(result).toStdString();
    }
}

TEST(MazFile, ReadingAFileAndAMissingOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath("corridor.maz");
    QByteArray top = Fifteens;
    top.replace(0, 4, "3209");
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(rows(26, top));
    out.close();
    const auto read = readMazFile(path);
    ASSERT_TRUE(std::holds_alternative<MazeFile>(read));
    EXPECT_EQ(std::get<MazeFile>(read).maze[1][25], 9);
    EXPECT_EQ(*std::get<MazeFile>(read).start, (Cell{0, 25}));

    // Notes after the 26th line and rows padded far past their 72nd character are passed over.
    for (const QByteArray& content : {rows(26, top) + QByteArray("notes\r\n").repeated(10000),
                                      rows(26, top + QByteArray(3000 - 72, ' ') + "notes")}) {
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(content);
        out.close();
        const auto longer = readMazFile(path);
        ASSERT_TRUE(std::holds_alternative<MazeFile>(longer));
        EXPECT_EQ(std::get<MazeFile>(longer).maze, std::get<MazeFile>(read).maze);
    }

    const auto missing = readMazFile(dir.filePath("none.maz"));
    ASSERT_TRUE(std::holds_alternative<QString>(missing));
    EXPECT_FALSE(std::get<QString>(missing).isEmpty());
}
