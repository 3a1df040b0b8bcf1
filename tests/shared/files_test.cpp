#include "filesizelimit.h"
#include "shared/files.h"

#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace shared;

namespace {

void put(const QString& path, const QByteArray& content) {
    ASSERT_TRUE(write(path, content));
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Runs saveFile in a child process whose files may not grow beyond sizeLimit bytes, so the
// write fails as a full disk would fail it. Returns the problem saveFile reported, or "saved".
QString saveUnderSizeLimit(const QString& path, const QByteArray& content, rlim_t sizeLimit) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return "no pipe";
    // The answer is one short sentence: it fits the pipe while the parent waits.
    const int status = runInChild(sizeLimit, [&] {
        ::close(pipeEnds[0]);
        QString problem;
        const QByteArray answer =
            saveFile(path, content, &problem, "saved game") ? "saved" : problem.toUtf8();
        return ::write(pipeEnds[1], answer.constData(), size_t(answer.size())) < 0 ? 2 : 0;
    });
    ::close(pipeEnds[1]);
    QByteArray answer;
    char buffer[256];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, got);
    ::close(pipeEnds[0]);
    if (status != 0)
        return "the child failed";
    return QString::fromUtf8(answer);
}

} // namespace

// Whole files within the limit, and the first bytes of a longer one where only those count.
TEST(ReadFile, OnlyRegularFilesWithinTheLimitAreRead) {
    QTemporaryDir dir;
    put(dir.filePath("game.squ"), QByteArray(100, 'x'));
    put(dir.filePath("utf8.squ"), "\xd0\x96\xd0\x96\xd0\x96"); // ЖЖЖ
    // A path is used as it stands: "\\" is part of the name, and case counts.
    put(dir.filePath("bs\\game.squ"), QByteArray(100, 'b'));
    QDir(dir.path()).mkdir("bs");
    put(dir.filePath("bs/game.squ"), "other");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.squ")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("zero.squ")));
    QDir(dir.path()).mkdir("folder.squ");
    // Three gigabytes that take no room on the disk.
    put(dir.filePath("huge.squ"), "");
    ASSERT_TRUE(QFile::resize(dir.filePath("huge.squ"), qint64(3) << 30));
    enum Read { Whole, Prefix };
    const struct {
        QString path;
        qint64 limit;
        Read read;
        const char* problem; // empty: read, giving size bytes
        qsizetype size;
    } cases[] = {
        {dir.filePath("game.squ"), 100, Whole, "", 100},
        {dir.filePath("bs\\game.squ"), 100, Whole, "", 100},
        {dir.filePath("GAME.SQU"), 100, Whole, "It does not exist.", 0},
        {dir.filePath("BS/game.squ"), 100, Prefix, "It does not exist.", 0},
        {dir.filePath("game.squ"), 99, Whole,
         "It is too large for a saved game: more than 99 bytes.", 0},
        {dir.filePath("game.squ"), 99, Prefix, "", 99},
        {dir.filePath("game.squ"), 4096, Prefix, "", 100},
        {dir.filePath("utf8.squ"), 5, Prefix, "", 4}, // without the Ж the limit splits
        {dir.filePath("huge.squ"), 4096, Prefix, "", 4096},
        {dir.filePath("huge.squ"), 4096, Whole,
         "It is too large for a saved game: more than 4096 bytes.", 0},
        {dir.filePath("folder.squ"), 100, Prefix, "It is a folder, not a saved game.", 0},
        {"/dev/zero", 100, Whole, "It is a device or a pipe, not a saved game.", 0},
        {dir.filePath("zero.squ"), 100, Prefix, "It is a device or a pipe, not a saved game.", 0},
        {dir.filePath("pipe.squ"), 100, Whole, "It is a device or a pipe, not a saved game.", 0},
        {dir.filePath("pipe.squ"), 100, Prefix, "It is a device or a pipe, not a saved game.", 0},
        {dir.filePath("none.squ"), 100, Prefix, "It does not exist.", 0},
    };
    // A FIFO must be refused, not waited on: should it block, the alarm ends the test.
    ::alarm(10);
    for (const auto& c : cases) {
        QString problem;
        const std::optional<QByteArray> content =
            c.read == Whole ? readFile(c.path, c.limit, &problem, "saved game")
                            : readFilePrefix(c.path, c.limit, &problem, "saved game");
        EXPECT_EQ(problem, QString(c.problem)) << c.path.toStdString();
        EXPECT_EQ(content.has_value(), *c.problem == 0) << c.path.toStdString();
        if (content) {
            EXPECT_EQ(content->size(), c.size) << c.path.toStdString();
        }
    }
    ::alarm(0);
}

TEST(ReadFile, FilesWithoutASizeAreReadToTheirEndWithinTheLimit) {
    // Files under /proc report a size of 0 but hold more.
    QString problem;
    const std::optional<QByteArray> status = readFile("/proc/self/status", 1 << 20, &problem);
    ASSERT_TRUE(status) << problem.toStdString();
    EXPECT_TRUE(status->contains("Pid:"));
    EXPECT_FALSE(readFile("/proc/self/status", 10, &problem));
}

TEST(SaveFile, AWriteThatFailsPartWayKeepsTheOldFileByteForByte) {
    const QByteArray old(486, '7');
    for (rlim_t sizeLimit : {rlim_t(0), rlim_t(100), rlim_t(4096)}) {
        QTemporaryDir dir;
        const QString path = dir.filePath("game.squ");
        put(path, old);
        EXPECT_EQ(saveUnderSizeLimit(path, QByteArray(5000, 'n'), sizeLimit),
                  "The file would be larger than the system allows.")
            << sizeLimit;
        EXPECT_EQ(contentOf(path), old);
        EXPECT_EQ(entriesOf(dir.path()), QStringList{"game.squ"});
    }
    // The same save within the limit replaces the file.
    QTemporaryDir dir;
    const QString path = dir.filePath("game.squ");
    put(path, old);
    EXPECT_EQ(saveUnderSizeLimit(path, "new", 4096), "saved");
    EXPECT_EQ(contentOf(path), "new");
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"game.squ"});
}

TEST(SaveFile, RefusesWhatIsNoFileAndKeepsLinksPointingAtTheirFile) {
    QTemporaryDir dir;
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
    QDir(dir.path()).mkdir("folder");
    put(dir.filePath("real.squ"), "old");
    ::chmod(QFile::encodeName(dir.filePath("real.squ")).constData(), 0640);
    ASSERT_TRUE(QFile::link(dir.filePath("real.squ"), dir.filePath("link.squ")));
    const struct {
        QString path;
        const char* problem;
    } refused[] = {
        {dir.filePath("pipe"), "It is a device or a pipe, not a saved game."},
        {dir.filePath("folder"), "It is a folder, not a saved game."},
        {dir.filePath("no/such/game.squ"), "Its folder does not exist."},
        {" ", "It has no name."},
    };
    for (const auto& c : refused) {
        QString problem;
        EXPECT_FALSE(saveFile(c.path, "new", &problem, "saved game"));
        EXPECT_EQ(problem, QString(c.problem));
    }
    EXPECT_TRUE(QFileInfo(dir.filePath("pipe")).exists() &&
                !QFileInfo(dir.filePath("pipe")).isFile());
    QString problem;
    ASSERT_TRUE(saveFile(dir.filePath("link.squ"), "new", &problem)) << problem.toStdString();
    EXPECT_TRUE(QFileInfo(dir.filePath("link.squ")).isSymLink());
    EXPECT_EQ(contentOf(dir.filePath("real.squ")), "new");
    struct stat info {};
    ::stat(QFile::encodeName(dir.filePath("real.squ")).constData(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    // A path is used as it stands: another case or a "\\" names another file.
    put(dir.filePath("folder/out.hex"), "old");
    for (const char* name : {"REAL.SQU", "folder\\out.hex"})
        EXPECT_TRUE(saveFile(dir.filePath(name), name, &problem)) << problem.toStdString();
    EXPECT_EQ(contentOf(dir.filePath("real.squ")), "new");
    EXPECT_EQ(contentOf(dir.filePath("folder/out.hex")), "old");
    EXPECT_EQ(contentOf(dir.filePath("folder\\out.hex")), "folder\\out.hex");
    EXPECT_EQ(entriesOf(dir.path()), QStringList({"REAL.SQU", "folder", "folder\\out.hex",
                                                  "link.squ", "pipe", "real.squ"}));
}
