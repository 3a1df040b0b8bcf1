#include "filesizelimit.h"
#include "kavrinth/champions.h"
#include "shared/files.h"

#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kavrinth;

namespace {

Champions withScores(std::initializer_list<qint64> scores) {
    Champions list = defaultChampions();
    int i = 0;
    for (qint64 s : scores) {
        list[i] = {QString("E%1").arg(i + 1), s};
        ++i;
    }
    return list;
}

} // namespace

TEST(Champions, NewScoresGoBelowEqualOnesAndAboveTheFirstLower) {
    Champions list = withScores({150, 100, 100, 50, 0, 0, 0, 0, 0, 0});
    ASSERT_TRUE(insertChampion(list, "NEW", 100));
    EXPECT_EQ(list[3], (Champion{"NEW", 100}));
    EXPECT_EQ(list[2].initials, "E3");
    EXPECT_EQ(list[4], (Champion{"E4", 50}));
    EXPECT_EQ(list[9].initials, "E9"); // the last 0 dropped off

    ASSERT_TRUE(insertChampion(list, "TOP", 151));
    EXPECT_EQ(list[0].initials, "TOP");
    EXPECT_EQ(list[9].initials, "E8");

    Champions low = withScores({300, 200, 0, 0, 0, 0, 0, 0, 0, 0});
    ASSERT_TRUE(insertChampion(low, "LOW", 5));
    EXPECT_EQ(low[2].initials, "LOW"); // just before the first 0

    Champions last = withScores({90, 80, 70, 60, 50, 40, 30, 20, 10, 0});
    ASSERT_TRUE(insertChampion(last, "BOT", 5));
    EXPECT_EQ(last[8], (Champion{"E9", 10}));
    EXPECT_EQ(last[9], (Champion{"BOT", 5})); // the 0 it beat drops off

    const Champions full = withScores({9, 8, 7, 6, 5, 4, 3, 2, 1, 1});
    Champions same = full;
    EXPECT_FALSE(qualifies(full, 1));
    EXPECT_FALSE(insertChampion(same, "NO", 1));
    EXPECT_EQ(same, full);
    EXPECT_TRUE(qualifies(full, 2));
    EXPECT_FALSE(qualifies(defaultChampions(), 0));
}

TEST(Champions, FileRoundTripAndItsBytes) {
    QByteArray expected;
    for (int i = 0; i < 10; ++i)
        expected += "AAA\r\n 0 \r\n";
    EXPECT_EQ(championsBytes(defaultChampions()), expected);
    Champions list = withScores({675, -3});
    EXPECT_EQ(championsBytes(list).left(20), "E1\r\n 675 \r\nE2\r\n-3 \r\n");
    EXPECT_EQ(parseChampions(championsBytes(list)), list);
    EXPECT_EQ(championsListText(list).section('\r', 0, 1), "E1\t 675\rE2\t-3");
}

// Each row: an entry's initials as stored, as read, and as a rewrite stores them.
TEST(RecordChampion, InitialsReadBackAfterARewrite) {
    const struct {
        QByteArray stored;
        QString initials;
        QByteArray written;
        QByteArray after = {}; // what the file holds after its list
    } rows[] = {
        {"\"A,B\"", "A,B", "\"A,B\""},
        {"\"A\r\nB\"", "A\r\nB", "\"A\r\nB\""},
        {"A\"B", "A\"B", "A\"B"},
        {"AAA", "AAA", "AAA"},
        {"\"XY\" ", "XY", "XY"},
        {"\"\"", "", ""},
        // Past the 64 KiB that are read, which end inside a Ж.
        {"\xd0\x96\xd0\x96\xd0\x96", "\u0416\u0416\u0416", "\xd0\x96\xd0\x96\xd0\x96",
         " " + QByteArray("\xd0\x96").repeated(40000)},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("kavrinth.hal");
    const QByteArray others = championsBytes(defaultChampions()).mid(10); // entries 2..10
    for (const auto& row : rows) {
        ASSERT_TRUE(write(path, row.stored + "\r\n 50 \r\n" + others + row.after));
        QString problem;
        ASSERT_EQ(recordChampion(path, "NEW", 60, &problem), Recorded::Saved)
            << row.stored.toStdString();
        EXPECT_EQ(contentOf(path),
                  "NEW\r\n 60 \r\n" + row.written + "\r\n 50 \r\n" + others.chopped(10));
        const LoadedChampions read = loadChampions(path);
        EXPECT_EQ(read.state, FileState::Read) << row.stored.toStdString();
        EXPECT_EQ(read.list[1], (Champion{row.initials, 50})) << row.stored.toStdString();
    }
}

TEST(Champions, ShortOrNonNumericFilesHoldNoList) {
    const QByteArray good = championsBytes(defaultChampions());
    EXPECT_TRUE(parseChampions(good));
    EXPECT_FALSE(parseChampions(good.left(good.size() - 6))); // the last score cut off
    EXPECT_FALSE(parseChampions(QByteArray(good).replace(" 0 \r\nAAA\r\n 0", " 0 \r\nAAA\r\nx0")));
    EXPECT_FALSE(parseChampions(QByteArray(good).replace(5, 3, "1.5")));
    EXPECT_FALSE(parseChampions(""));
}

TEST(RecordChampion, CreatesRewritesOrLeavesTheFileAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kavrinth.hal");
    QString problem;
    ASSERT_EQ(recordChampion(path, "ABC", 120, &problem), Recorded::Saved);
    Champions expected = defaultChampions();
    expected[0] = {"ABC", 120};
    EXPECT_EQ(contentOf(path), championsBytes(expected));
    EXPECT_EQ(loadChampions(path).state, FileState::Read);
    // Only the first 20 items count: notes after them, however long, are passed over.
    ASSERT_TRUE(write(path, contentOf(path) + QByteArray("notes\r\n").repeated(10000)));
    EXPECT_EQ(loadChampions(path).list, expected);

    // A rewrite keeps the encoding the list was read in; initials of any script are kept.
    expected[0].initials = QString::fromUtf8("\u00c9\u00c0\u00dc");
    for (const auto encoding : {shared::TextEncoding::SingleByte, shared::TextEncoding::Utf8}) {
        ASSERT_TRUE(shared::saveFile(path, championsBytes(expected, encoding), &problem));
        EXPECT_EQ(loadChampions(path).list[0].initials, expected[0].initials);
        ASSERT_EQ(recordChampion(path, "ZZ", 100, &problem), Recorded::Saved);
        Champions now = expected;
        insertChampion(now, "ZZ", 100);
        EXPECT_EQ(contentOf(path), championsBytes(now, encoding));
    }
    const QString cyrillic = QString::fromUtf8("\u0416\u042f");
    ASSERT_EQ(recordChampion(path, cyrillic, 130, &problem), Recorded::Saved);
    EXPECT_EQ(loadChampions(path).list[0].initials, cyrillic);

    // A list that cannot be read stays as it is.
    const QByteArray cut = championsBytes(expected).left(30);
    ASSERT_TRUE(shared::saveFile(path, cut, &problem));
    EXPECT_EQ(recordChampion(path, "XYZ", 500, &problem), Recorded::NotAvailable);
    EXPECT_EQ(contentOf(path), cut);
    EXPECT_EQ(loadChampions(path).state, FileState::Malformed);

    const QString folder = dir.filePath("folder.hal");
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_EQ(loadChampions(folder).state, FileState::Unreadable);
    EXPECT_EQ(recordChampion(folder, "XYZ", 500, &problem), Recorded::NotAvailable);
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(RecordChampion, AFullDiskKeepsTheOldList) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kavrinth.hal");
    QString problem;
    ASSERT_TRUE(shared::saveFile(path, championsBytes(defaultChampions()), &problem));
    const int result = runInChild(16, [&] {
        QString why;
        return int(recordChampion(path, "ABC", 120, &why));
    });
    EXPECT_EQ(result, int(Recorded::NotSaved));
    EXPECT_EQ(contentOf(path), championsBytes(defaultChampions()));
}
