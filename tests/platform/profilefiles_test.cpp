#include "filesizelimit.h"
#include "platform_files/directorylisting.h"
#include "platform_files/privateprofile.h"
#include "platform_files/renamefile.h"
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
    EXPECT_NE(writePrivateProfileString("placeholders", "Animals.trv", "0", ini), 0);
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

TEST(PrivateProfileWrite, EveryFileNameIsAKeyThatReadsBackAndKeepsItsOwnLine) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("pelmora.ini");
    put(ini, "[PlaceHolders]\r\nCaf\xe9.trv=3\r\n");
    const QStringList keys = {QString::fromUtf8("\u041a\u0438\u043d\u043e.trv"),
                              "a=b.trv",
                              "a",
                              "Kino.trv",
                              "KINO.trv",
                              " blank .trv",
                              "\"quoted\".trv",
                              "[x]",
                              "back\\slash\\\".trv",
                              "line\r\nend.trv"};
    for (int round = 1; round <= 3; ++round) {
        for (qsizetype i = 0; i < keys.size(); ++i)
            ASSERT_NE(writePrivateProfileString("PlaceHolders", keys[i],
                                                QString::number(10 * round + i), ini),
                      0);
        for (qsizetype i = 0; i < keys.size(); ++i)
            EXPECT_EQ(read("PlaceHolders", keys[i], ini).value, QString::number(10 * round + i))
                << keys[i].toStdString();
        // One line a key, however often it is written.
        EXPECT_EQ(contentOf(ini).count("\r\n"), 2 + keys.size());
    }
    // The older key stays, now in UTF-8 as the file must hold the new ones.
    EXPECT_TRUE(contentOf(ini).startsWith("[PlaceHolders]\r\nCaf\xc3\xa9.trv=3\r\n"));
    EXPECT_EQ(read("PlaceHolders", QString::fromUtf8("Caf\u00e9.trv"), ini).value, "3");
    // Any case finds a key that no other key matches exactly, as in older files.
    EXPECT_EQ(read("PlaceHolders", QString::fromUtf8("CAF\u00c9.TRV"), ini).value, "3");
    EXPECT_EQ(read("PlaceHolders", "kino.TRV", ini).value, "33");
}

TEST(PrivateProfileWrite, ASingleByteFileStaysSingleByte) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("pelmora.ini");
    put(ini, "[PlaceHolders]\r\nCaf\xe9.trv=3\r\n");
    EXPECT_EQ(read("PlaceHolders", QString::fromUtf8("Caf\u00e9.trv"), ini).value, "3");
    EXPECT_NE(
        writePrivateProfileString("PlaceHolders", QString::fromUtf8("\u00c9t\u00e9.trv"), "1", ini),
        0);
    EXPECT_EQ(contentOf(ini), QByteArray("[PlaceHolders]\r\nCaf\xe9.trv=3\r\n\xc9t\xe9.trv=1\r\n"));
}

TEST(PrivateProfile, AFileTooLargeToReadIsNeverRewrittenAndSaysWhy) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("pelmora.ini");
    // 81 KB of notes is no problem.
    const QByteArray notes = "[Notes]\r\n" + QByteArray(81 * 1024, 'n') + "\r\n" + Settings;
    put(ini, notes);
    QString problem;
    EXPECT_EQ(
        getPrivateProfileString("PlaceHolders", "Animals.trv", "0", nullptr, 25, ini, &problem), 1);
    EXPECT_NE(writePrivateProfileString("Cycles", "Puzzles", "4", ini, &problem), 0);
    EXPECT_TRUE(problem.isEmpty());
    // Past 4 MiB the default comes back with the reason, and the file stays as it is.
    const QByteArray huge = "[Notes]\r\n" + QByteArray(4 * 1024 * 1024, 'n') + "\r\n" + Settings;
    put(ini, huge);
    QString value;
    EXPECT_EQ(getPrivateProfileString("Cycles", "Puzzles", "1", &value, 25, ini, &problem), 1);
    EXPECT_EQ(value, "1");
    EXPECT_TRUE(problem.startsWith("It is too large for a settings file")) << problem.toStdString();
    problem.clear();
    EXPECT_EQ(writePrivateProfileString("Cycles", "Puzzles", "5", ini, &problem), 0);
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_EQ(contentOf(ini), huge);
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
        renameWithoutReplacing(dir.filePath("Space.trv"), dir.filePath("Space.TRH"), &problem));
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_EQ(contentOf(dir.filePath("Space.TRH")), QByteArray("space off"));
    EXPECT_EQ(contentOf(dir.filePath("Space.trv")), QByteArray("space on"));
    // A name that differs only in case is another file, which stays.
    EXPECT_TRUE(
        renameWithoutReplacing(dir.filePath("Space.trv"), dir.filePath("SPACE.TRH"), &problem));
    EXPECT_EQ(contentOf(dir.filePath("Space.TRH")), QByteArray("space off"));

    problem.clear();
    EXPECT_FALSE(
        renameWithoutReplacing(dir.filePath("Gone.trv"), dir.filePath("Gone.trh"), &problem));
    EXPECT_FALSE(problem.isEmpty());
}
