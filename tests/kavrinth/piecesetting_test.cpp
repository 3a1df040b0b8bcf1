#include "kavrinth/piecesetting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kavrinth;

TEST(PieceSetting, TheLineAfterTheSection) {
    struct Case {
        const char* file;
        std::optional<QString> setting;
    };
    const Case cases[] = {
        {"[PIECE]\r\nPIECE=11\r\n", "11"},
        {"[PIECE]\r\nPIECE= 5\r\n", "5"},
        {"x=1\r\n  [piece] \r\nPIECE = 7 \r\n", "7"},
        {"[PIECE]\r\n12\r\n", "12"},
        {"[PIECE]\r\nOTHER=3=4\r\n", "3=4"},
        {"[PIECE]\nPIECE=2\n", "2"},
        {"[PIECE]\r\nPIECE=123456789012345678901234567890\r\n", "1234567890123456789012345"},
        {"[PIECE]\r\n", std::nullopt},
        {"[PIECE]", std::nullopt},
        {"PIECE=3\r\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findPieceSetting(c.file), c.setting) << c.file;
}

TEST(PieceSetting, ValuesRoundHalfToEvenAndStrayOnesUseTheDefault) {
    const std::pair<const char*, int> cases[] = {
        {"7", 7},     {"", 0},    {"abc", 0}, {"2.5", 2},  {"3.5", 4},    {"39.4", 39},
        {"39.5", 11}, {"45", 11}, {"-1", 11}, {"-0.4", 0}, {"1e999", 11}, {"1 2", 12},
    };
    for (const auto& [setting, index] : cases)
        EXPECT_EQ(pieceIndex(setting), index) << setting;
}

TEST(PieceSetting, AMissingFileIsCreatedAnUnreadableOneLeftAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kavrinth.ini");
    PieceFileRead read = readPieceSetting(path);
    EXPECT_EQ(read.state, PieceFileState::Created);
    EXPECT_EQ(read.setting, "11");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), defaultPieceFile());
    file.close();
    // Only the first lines count: notes after them, however long, are passed over.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pieceFileFor(7) + QByteArray("notes\r\n").repeated(10000));
    file.close();
    EXPECT_EQ(readPieceSetting(path).setting, "7");

    ASSERT_TRUE(QDir().mkdir(dir.filePath("folder.ini")));
    read = readPieceSetting(dir.filePath("folder.ini"));
    EXPECT_EQ(read.state, PieceFileState::Unreadable);
    EXPECT_EQ(read.setting, "11");
    EXPECT_TRUE(QFileInfo(dir.filePath("folder.ini")).isDir());

    // A working folder that cannot take files: here a file stands where the folder should be.
    read = readPieceSetting(path + "/kavrinth.ini");
    EXPECT_EQ(read.state, PieceFileState::NotCreated);
    EXPECT_FALSE(read.problem.isEmpty());
    EXPECT_EQ(read.setting, "11");
}
