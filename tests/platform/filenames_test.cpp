#include "platform/filenames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::resolveFileName;

namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

// Sets an environment value for the life of the object, then puts the old one back.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

  private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

} // namespace

TEST(ResolveFileName, StoredNamesFindTheirFilesIgnoringCase) {
    QTemporaryDir dir;
    const QString root = dir.path();
    touch(root + "/Win/Pictures/Cat.bmp");
    touch(root + "/Win/Pictures/cat.bmp");
    touch(root + "/Win/Pictures/CAT.BMP");
    touch(root + "/Win/Pictures/dog.bmp");
    touch(root + "/Win/HangQZ.Ini");
    touch(root + "/Win/Pictures\\CAT.BMP");
    const struct {
        QString stored;
        QString expected;
    } cases[] = {
        {root + "/Win/Pictures/cat.bmp", root + "/Win/Pictures/cat.bmp"},   // exact case wins
        {root + "/Win/Pictures\\CAT.BMP", root + "/Win/Pictures\\CAT.BMP"}, // an exact name wins
        {root + "/Win/Pictures\\Cat.bmp", root + "/Win/Pictures/Cat.bmp"},
        {root + "/win/pictures/Cat.Bmp", root + "/Win/Pictures/CAT.BMP"},    // first in order
        {root + "\\WIN\\PICTURES\\DOG.BMP", root + "/Win/Pictures/dog.bmp"}, // backslashes
        {root + "/WIN/hangqz.ini", root + "/Win/HangQZ.Ini"},
        {root + "/WIN/New File.Puz", root + "/Win/New File.Puz"}, // new: name as given
        {root + "/win/NoSuch/Pictures/x.bmp", root + "/Win/NoSuch/Pictures/x.bmp"}, // missing
        {root + "/win//pictures/./DOG.bmp", root + "/Win/Pictures/./dog.bmp"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(resolveFileName(c.stored), c.expected) << c.stored.toStdString();
}

TEST(ResolveFileName, UpperCasedAbsolutePathsAndRelativeNames) {
    QTemporaryDir dir;
    touch(dir.filePath("Win/HangQZ.Ini"));
    // An upper-cased Windows directory, as an old settings file may hold it.
    const QString upper = dir.path().toUpper() + "\\WIN\\HANGQZ.INI";
    EXPECT_EQ(resolveFileName(upper), dir.filePath("Win/HangQZ.Ini"));
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    EXPECT_EQ(resolveFileName("WIN\\hangqz.INI"), "Win/HangQZ.Ini");
    EXPECT_EQ(resolveFileName("squares.SQU"), "squares.SQU");
    QDir::setCurrent(saved);
}

TEST(WindowsDirectory, WindirWhenSetOtherwiseTheSuitesFolderMadeOnFirstUse) {
    QTemporaryDir dir;
    {
        ScopedEnv windir("windir", (dir.path() + "/Windows/").toLocal8Bit());
        EXPECT_EQ(platform::windowsDirectory(), dir.path() + "/Windows");
    }
    ScopedEnv windir("windir", QByteArray());
    ScopedEnv config("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    const QString expected = dir.path() + "/quiblax";
    ASSERT_FALSE(QFileInfo::exists(expected));
    EXPECT_EQ(platform::windowsDirectory(), expected);
    EXPECT_TRUE(QFileInfo(expected).isDir());
}
