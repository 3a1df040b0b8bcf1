#include "hangman/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace hangman;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void write(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// A settings file in a temporary Windows directory, reached through the upper-cased WinDir.
struct SettingsFolder {
    QTemporaryDir dir;
    SettingsFile settings{winDirFrom(dir.path())};
    QString file() const { return dir.filePath("HangQZ.Ini"); }
    QString read(QString key, QString* problem = nullptr) const {
        QString ignored;
        return settings.ReadSetting(key, problem ? problem : &ignored);
    }
};

} // namespace

TEST(Settings, WinDirIsUpperCasedAndEndsInABackslash) {
    EXPECT_EQ(winDirFrom("/tmp/Games"), "/TMP/GAMES\\");
    EXPECT_EQ(winDirFrom("C:\\Windows\\"), "C:\\WINDOWS\\");
    EXPECT_EQ(SettingsFile(winDirFrom("/tmp/w")).path(), "/TMP/W\\HangQZ.Ini");
}

TEST(Settings, KeysMatchAsPrefixesAndTheLastMatchWins) {
    const struct {
        QStringList lines;
        QString value;
    } cases[] = {
        {{"PUZZLENAME=A.HNG"}, "A.HNG"},
        {{"PUZZLENAMES=B.HNG"}, "B.HNG"},
        {{"PUZZLENAME"}, ""},
        {{"PUZZLENAME=A.HNG", "OTHER=1", "PUZZLENAME = C.HNG  "}, "C.HNG"},
        {{"PUZZLENAMEX"}, "PUZZLENAMEX"},
        {{"HEADMOVES=TRUE"}, ""},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(settingValue(c.lines, "PUZZLENAME"), c.value) << c.lines.join('|').toStdString();
    EXPECT_EQ(
        withSetting({"PUZZLENAME=A", "X=1", "PUZZLENAMES=B", "PUZZLENAME"}, "PUZZLENAME", "C"),
        QStringList({"PUZZLENAME=C", "X=1", "PUZZLENAME=C", "PUZZLENAME"}));
    EXPECT_EQ(withSetting({"X=1"}, "PUZZLENAME", "C"), QStringList({"X=1"}));
}

TEST(Settings, AMissingFileIsCreatedWithTheTwoDefaultLines) {
    SettingsFolder folder;
    QString key = "PuzzleName";
    QString problem;
    EXPECT_EQ(folder.settings.ReadSetting(key, &problem), "CAPITALS.HNG");
    EXPECT_EQ(key, "PUZZLENAME");
    EXPECT_EQ(problem, "");
    EXPECT_EQ(contentOf(folder.file()), "PuzzleName=CAPITALS.HNG\r\nHeadMoves=False\r\n");
    EXPECT_EQ(folder.read("HeadMoves"), "FALSE");
}

TEST(Settings, ValuesAreReadUpperCased) {
    SettingsFolder folder;
    write(folder.file(), "headmoves=True\r\npuzzlename=sets/my.hng\r\n");
    EXPECT_EQ(folder.read("HeadMoves"), "TRUE");
    EXPECT_EQ(folder.read("PuzzleName"), "SETS/MY.HNG");
    EXPECT_EQ(contentOf(folder.file()), "headmoves=True\r\npuzzlename=sets/my.hng\r\n");
}

TEST(Settings, TheWriterUpperCasesEveryLineRewritesEveryMatchAndAddsNoKey) {
    SettingsFolder folder;
    write(folder.file(), "HeadMoves=true\r\nPuzzleName=a.hng\r\n; note\r\npuzzlename=b.hng\r\n");
    QString key = "PuzzleName", value = "/home/Sets/New.hng";
    QString problem;
    ASSERT_TRUE(folder.settings.WriteSetting(key, value, &problem)) << problem.toStdString();
    EXPECT_EQ(value, "/HOME/SETS/NEW.HNG");
    EXPECT_EQ(contentOf(folder.file()), "HEADMOVES=TRUE\r\nPUZZLENAME=/HOME/SETS/NEW.HNG\r\n; "
                                        "NOTE\r\nPUZZLENAME=/HOME/SETS/NEW.HNG\r\n");
    write(folder.file(), "HeadMoves=False\r\n");
    ASSERT_TRUE(folder.settings.WriteSetting(key, value, &problem));
    EXPECT_EQ(contentOf(folder.file()), "HEADMOVES=FALSE\r\n");
}

TEST(Settings, WithoutAFileTheWriterCreatesItsOneLine) {
    SettingsFolder folder;
    QString key = "PuzzleName", value = "x.hng";
    QString problem;
    ASSERT_TRUE(folder.settings.WriteSetting(key, value, &problem));
    EXPECT_EQ(contentOf(folder.file()), "PUZZLENAME=X.HNG\r\n");
}

TEST(Settings, FiftyLinesAreHeldAndTheLinesBeyondAreKeptAsTheyStand) {
    SettingsFolder folder;
    QByteArray content;
    for (int i = 1; i <= 49; ++i)
        content += "k" + QByteArray::number(i) + "=v\r\n";
    content += "PuzzleName=fifty.hng\r\npuzzlename=beyond.hng\r\n";
    write(folder.file(), content);
    EXPECT_EQ(folder.read("PuzzleName"), "FIFTY.HNG");
    QString key = "PuzzleName", value = "new.hng";
    QString problem;
    ASSERT_TRUE(folder.settings.WriteSetting(key, value, &problem));
    const QByteArray rewritten = contentOf(folder.file());
    EXPECT_TRUE(rewritten.startsWith("K1=V\r\n"));
    EXPECT_TRUE(rewritten.endsWith("K49=V\r\nPUZZLENAME=NEW.HNG\r\npuzzlename=beyond.hng\r\n"));
}

TEST(Settings, ASettingsFileThatIsAFolderGivesTheDefaultsAndAReason) {
    SettingsFolder folder;
    ASSERT_TRUE(QDir(folder.dir.path()).mkdir("HangQZ.Ini"));
    QString problem;
    EXPECT_EQ(folder.read("PuzzleName", &problem), "CAPITALS.HNG");
    EXPECT_EQ(problem, "It is a folder, not a file.");
    QString key = "PuzzleName", value = "x.hng";
    EXPECT_FALSE(folder.settings.WriteSetting(key, value, &problem));
    EXPECT_TRUE(QFileInfo(folder.file()).isDir());
}

TEST(Settings, AWindowsDirectoryThatCannotBeMadeGivesTheDefaultsAndAReason) {
    QTemporaryDir dir;
    write(dir.filePath("plain"), "not a folder");
    const SettingsFile settings(winDirFrom(dir.filePath("plain/windows")));
    QString key = "HeadMoves";
    QString problem;
    EXPECT_EQ(settings.ReadSetting(key, &problem), "FALSE");
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_EQ(contentOf(dir.filePath("plain")), "not a folder");
}
