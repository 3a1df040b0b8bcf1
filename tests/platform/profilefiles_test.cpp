#include "filesizelimit.h"
#include "platform/directorylisting.h"
#include "platform/privateprofile.h"
#include "platform/renamefile.h"
#include "shared/files.h"

#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace platform;

namespace {

void put(const QString& path, const QByteArray& content) {
    ASSERT_TRUE(write(path, content));
}

struct Read {
    int copied;
    QString value;
};

Read read(const QString& section, const QString& key, const QString& file, int size = 25) {
    QString value = "untouched";
    const int copied = getPrivateProfileString(section, key, "dflt", &value, size, file);
    return {copied, value};
}

const QByteArray Settings = "; kept comment\r\n"
                            "[PlaceHolders]\r\n"
                            "Animals.trv=7\r\n"
                            "Empty.trv=\r\n"
                            "Long.trv=123456789012345678901234567890\r\n"
                            "\r\n"
                            "[cycles]\r\n"
                            " Puzzles = 3 \r\n";

} // namespace

TEST(PrivateProfileRead, CopiesTheValueOrTheDefault) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("pelmora.ini");
    put(ini, Settings);
    struct Case {
        const char* section;
        const char* key;
        int size;
        int copied;
        const char* value;
    } cases[] = {
        {"PlaceHolders", "Animals.trv", 25, 1, "7"},
        {"PLACEHOLDERS", "animals.TRV", 25, 1, "7"},
        {"Cycles", "Puzzles", 25, 1, "3"},
        {"PlaceHolders", "Empty.trv", 25, 0, ""},
        {"PlaceHolders", "Long.trv", 25, 24, "123456789012345678901234"},
        {"PlaceHolders", "Animals.trv", 1, 0, ""},
        {"PlaceHolders", "Missing.trv", 25, 4, "dflt"},
        {"PlaceHolders", "Missing.trv", 3, 2, "df"},
        {"Other", "Animals.trv", 25, 4, "dflt"},
        {"Cycles", "Animals.trv", 25, 4, "dflt"},
    };
    for (const Case& c : cases) {
        const Read got = read(c.section, c.key, ini, c.size);
        EXPECT_EQ(got.copied, c.copied) << c.section << "/" << c.key;
        EXPECT_EQ(got.value, QString(c.value)) << c.section << "/" << c.key;
    }
    EXPECT_EQ(read("Cycles", "Puzzles", dir.filePath("none.ini")).value, QString("dflt"));
    // A folder where the file should be reads like a missing file.
    QDir(dir.path()).mkdir("folder.ini");
    EXPECT_EQ(read("Cycles", "Puzzles", dir.filePath("folder.ini")).copied, 4);
}

TEST(PrivateProfileWrite, ReplacesInPlaceAndKeepsEveryOtherLine) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("pelmora.ini");
    put(ini, Settings);
    EXPECT_NE(writePrivateProfileString("placeholders", "ANIMALS.TRV", "0", ini), 0);
    EXPECT_NE(writePrivateProfileString("PlaceHolders", "Space.trv", "2", ini), 0);
    EXPECT_NE(writePrivateProfileString("Cycles", "Puzzles", "4", ini), 0);
    EXPECT_NE(writePrivateProfileString("New", "Key", "v", ini), 0);
    EXPECT_EQ(contentOf(ini), QByteArray("; kept comment\r\n"
                                         "[PlaceHolders]\r\n"
                                         "Animals.trv=0\r\n"
                                         "Empty.trv=\r\n"
                                         "Long.trv=123456789012345678901234567890\r\n"
                                         "Space.trv=2\r\n"
                                         "\r\n"
                                         "[cycles]\r\n"
                                         " Puzzles =4\r\n"
                                         "[New]\r\n"
                                         "Key=v\r\n"));
    EXPECT_EQ(read("Cycles", "Puzzles", ini).value, QString("4"));
}

TEST(PrivateProfileWrite, CreatesTheFileButNoFolder) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("pelmora.ini");
    EXPECT_NE(writePrivateProfileString("Cycles", "Puzzles", "1", ini), 0);
    EXPECT_EQ(contentOf(ini), QByteArray("[Cycles]\r\nPuzzles=1\r\n"));
    EXPECT_EQ(writePrivateProfileString("Cycles", "Puzzles", "1", dir.filePath("no/pelmora.ini")),
              0);
    EXPECT_FALSE(QDir(dir.filePath("no")).exists());
    QDir(dir.path()).mkdir("folder.ini");
    EXPECT_EQ(writePrivateProfileString("Cycles", "Puzzles", "1", dir.filePath("folder.ini")), 0);
}

TEST(PrivateProfileWrite, AFullDiskReportsFailureAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("pelmora.ini");
    put(ini, Settings);
    // The file may grow to no more than 16 bytes; the write then fails instead of killing.
    const int status =
        runInChild(16, [&] { return writePrivateProfileString("Cycles", "Puzzles", "9", ini); });
    ASSERT_NE(status, -1);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(contentOf(ini), Settings);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"pelmora.ini"}));
}

TEST(DirectoryListing, RegularFilesOnlySortedIgnoringCase) {
    QTemporaryDir dir;
    for (const char* name : {"b.trv", "A.TRV", "c.Trv", "d.trh", "notes.trv.bak"})
        put(dir.filePath(name), "x\r\n");
    QDir(dir.path()).mkdir("folder.trv");
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("pipe.trv")).constData(), 0600), 0);
    const QString pattern = QDir(dir.path()).absolutePath().toUpper() + "\\*.trv";
    const QStringList expected = {"A.TRV", "b.trv", "c.Trv"};
    EXPECT_EQ(listFiles(pattern), expected);
    // A rewrite makes a new file in the folder; the order stays.
    ASSERT_TRUE(shared::saveFile(dir.filePath("A.TRV"), "y\r\n", nullptr));
    EXPECT_EQ(listFiles(pattern), expected);

    DirectoryListing listing;
    QStringList handedOut = {listing.first(dir.filePath("*.TRH"))};
    handedOut << listing.next() << listing.next();
    EXPECT_EQ(handedOut, QStringList({"d.trh", "", ""}));
    EXPECT_EQ(listing.first(dir.filePath("*.puz")), QString());
}

TEST(RenameWithoutReplacing, RenamesButNeverReplaces) {
    QTemporaryDir dir;
    const QString trv = dir.filePath("Animals.trv");
    put(trv, "animals");
    put(dir.filePath("Space.TRH"), "space off");
    put(dir.filePath("Space.trv"), "space on");
    QString problem;
    EXPECT_TRUE(renameWithoutReplacing(trv, dir.filePath("Animals.trh"), &problem));
    EXPECT_EQ(contentOf(dir.filePath("Animals.trh")), QByteArray("animals"));
    EXPECT_FALSE(QFile::exists(trv));

    EXPECT_FALSE(
        renameWithoutReplacing(dir.filePath("Space.trv"), dir.filePath("space.trh"), &problem));
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_EQ(contentOf(dir.filePath("Space.TRH")), QByteArray("space off"));
    EXPECT_EQ(contentOf(dir.filePath("Space.trv")), QByteArray("space on"));

    problem.clear();
    EXPECT_FALSE(
        renameWithoutReplacing(dir.filePath("Gone.trv"), dir.filePath("Gone.trh"), &problem));
    EXPECT_FALSE(problem.isEmpty());
}
