#include "hangman/settingsfile.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace hangman;

namespace {

QByteArray numberedLines(int count) {
    QByteArray lines;
    for (int i = 1; i <= count; ++i)
        lines += "k" + QByteArray::number(i) + "=v\r\n";
    return lines;
}

const QByteArray Missing = "(none)";

} // namespace

TEST(Settings, WinDirIsUpperCasedAndEndsInABackslash) {
    EXPECT_EQ(winDirFrom("/tmp/Games"), "/TMP/GAMES\\");
    EXPECT_EQ(winDirFrom("C:\\Windows\\"), "C:\\WINDOWS\\");
    EXPECT_EQ(SettingsFile(winDirFrom("/tmp/w")).path(), "/TMP/W\\HangQZ.Ini");
}

// Each case in a fresh Windows folder, reached through the upper-cased WinDir.
TEST(Settings, TheReaderMatchesPrefixesTakesTheLastMatchAndCreatesAMissingFile) {
    const QByteArray defaults = "PuzzleName=CAPITALS.HNG\r\nHeadMoves=False\r\n";
    const struct {
        QByteArray before;
        const char* key;
        const char* value;
        QByteArray after;
    } cases[] = {
        {Missing, "PuzzleName", "CAPITALS.HNG", defaults},
        {Missing, "HeadMoves", "False", defaults},
        {"headmoves=True\r\n", "HeadMoves", "True", "headmoves=True\r\n"},
        {"PuzzleNames=b.hng\r\n", "PuzzleName", "b.hng", ""},
        {"PuzzleName\r\nPuzzleName=\r\n", "PuzzleName", "", ""},
        {"PuzzleName=a\r\nx=1\r\nPUZZLENAME = c\\Set.hng  \r\n", "PuzzleName", "c\\Set.hng", ""},
        {"PuzzleNameX\r\n", "PuzzleName", "PuzzleNameX", ""},
        {numberedLines(50) + "PuzzleName=beyond\r\n", "PuzzleName", "", ""},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        if (c.before != Missing) {
            ASSERT_TRUE(write(dir.filePath("HangQZ.Ini"), c.before));
        }
        QString key = c.key, problem;
        EXPECT_EQ(SettingsFile(winDirFrom(dir.path())).ReadSetting(key, &problem), c.value)
            << c.before.toStdString();
        EXPECT_EQ(key, QString(c.key).toUpper());
        EXPECT_EQ(problem, "");
        EXPECT_EQ(contentOf(dir.filePath("HangQZ.Ini")), c.after.isEmpty() ? c.before : c.after);
    }
}

// The value keeps its case, so the very file that was picked is found again.
TEST(Settings, TheWriterUpperCasesEveryOtherLineRewritesEveryMatchAndAddsNoKey) {
    const struct {
        QByteArray before, after;
    } cases[] = {
        {Missing, "PUZZLENAME=/home/New.hng\r\n"},
        {"HeadMoves=true\r\nPuzzleName=a\r\n; note\r\npuzzlenames=b\r\n",
         "HEADMOVES=TRUE\r\nPUZZLENAME=/home/New.hng\r\n; NOTE\r\nPUZZLENAME=/home/New.hng\r\n"},
        {"HeadMoves=False\r\nPuzzleName\r\n", "HEADMOVES=FALSE\r\nPUZZLENAME\r\n"},
        {numberedLines(49) + "PuzzleName=a\r\npuzzlename=beyond\r\n",
         numberedLines(49).toUpper() + "PUZZLENAME=/home/New.hng\r\npuzzlename=beyond\r\n"},
        // The file keeps its encoding, and long notes are no problem.
        {"; caf\xe9\r\nPuzzleName=a\r\n", "; CAF\xc9\r\nPUZZLENAME=/home/New.hng\r\n"},
        {"; caf\xc3\xa9\r\nPuzzleName=a\r\n", "; CAF\xc3\x89\r\nPUZZLENAME=/home/New.hng\r\n"},
        {"; " + QByteArray(81 * 1024, 'n') + "\r\nPuzzleName=a\r\n",
         "; " + QByteArray(81 * 1024, 'N') + "\r\nPUZZLENAME=/home/New.hng\r\n"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        if (c.before != Missing) {
            ASSERT_TRUE(write(dir.filePath("HangQZ.Ini"), c.before));
        }
        QString key = "PuzzleName", value = "/home/New.hng", problem;
        EXPECT_TRUE(SettingsFile(winDirFrom(dir.path())).WriteSetting(key, value, &problem));
        EXPECT_EQ(key, "PUZZLENAME");
        EXPECT_EQ(contentOf(dir.filePath("HangQZ.Ini")), c.after)
            << c.before.left(40).toStdString();
    }
}

TEST(Settings, AFileOrFolderThatCannotBeUsedGivesTheDefaultsAndAReason) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("HangQZ.Ini"));
    ASSERT_TRUE(write(dir.filePath("plain"), "not a folder"));
    for (const QString& winDir : {dir.path(), dir.filePath("plain/windows")}) {
        const SettingsFile settings(winDirFrom(winDir));
        QString key = "PuzzleName", value = "x.hng", problem;
        EXPECT_EQ(settings.ReadSetting(key, &problem), "CAPITALS.HNG");
        EXPECT_FALSE(problem.isEmpty());
        EXPECT_FALSE(settings.WriteSetting(key, value, &problem));
    }
    EXPECT_TRUE(QFileInfo(dir.filePath("HangQZ.Ini")).isDir());
    EXPECT_EQ(contentOf(dir.filePath("plain")), "not a folder");
}
