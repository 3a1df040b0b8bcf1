#include "platform/runtimeerror.h"
#include "shared/files.h"
#include "shared/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace shared;

namespace {

int errorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const platform::RunTimeError& error) {
        return error.number();
    }
    return 0;
}

} // namespace

TEST(TextFileWriter, NumericAndTextLinesEndInCrLf) {
    TextFileWriter writer;
    writer.writeNumberLine(255);
    writer.writeNumberLine(0);
    writer.writeNumberLine(-7);
    writer.writeTextLine("Clue, answer");
    writer.writeTextLine("");
    EXPECT_EQ(writer.content(), QByteArray(" 255 \r\n 0 \r\n-7 \r\nClue, answer\r\n\r\n"));
}

TEST(TextFileReader, ItemsEndAtCommasAndLineEnds) {
    TextFileReader reader("  first, second  ,third\r\n\"a, quoted\" ,next\r\nlast");
    EXPECT_EQ(reader.readItem(), "first");
    EXPECT_EQ(reader.readItem(), "second");
    EXPECT_EQ(reader.readItem(), "third");
    EXPECT_EQ(reader.readItem(), "a, quoted");
    EXPECT_EQ(reader.readItem(), "next");
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readItem(), "last");
    EXPECT_TRUE(reader.atEnd());
}

TEST(TextFileReader, NumericLinesReadBackAsTheSameNumbers) {
    TextFileWriter writer;
    for (qint64 value : {255, 0, -7, 16777215})
        writer.writeNumberLine(value);
    TextFileReader reader(writer.content());
    for (double value : {255.0, 0.0, -7.0, 16777215.0})
        EXPECT_DOUBLE_EQ(reader.readNumber(), value);
    EXPECT_TRUE(reader.atEnd());
}

TEST(TextFileReader, WholeLinesKeepBlanksAndCommas) {
    TextFileReader reader(" a, b ,c \r\n\r\nno end");
    EXPECT_EQ(reader.readLine(), " a, b ,c ");
    EXPECT_EQ(reader.readLine(), "");
    EXPECT_EQ(reader.readLine(), "no end");
    EXPECT_TRUE(reader.atEnd());
}

TEST(TextFileReader, LoneLineFeedsAlsoEndLines) {
    TextFileReader reader("one\ntwo\n");
    EXPECT_EQ(reader.readLine(), "one");
    EXPECT_EQ(reader.readItem(), "two");
    EXPECT_TRUE(reader.atEnd());
    // The rest of a file as lines: a last line without its end counts, an empty one too.
    EXPECT_EQ(TextFileReader("a, b\r\n\r\nc\nd").readLines(), QStringList({"a, b", "", "c", "d"}));
}

TEST(TextFileReader, ReadingPastTheEndOrTextIntoANumberRaisesErrors) {
    TextFileReader empty("");
    EXPECT_TRUE(empty.atEnd());
    EXPECT_EQ(errorNumberOf([&] { empty.readItem(); }), platform::error::InputPastEnd);
    EXPECT_EQ(errorNumberOf([&] { empty.readLine(); }), platform::error::InputPastEnd);
    TextFileReader words("red\r\n\r\n");
    EXPECT_EQ(errorNumberOf([&] { words.readNumber(); }), platform::error::TypeMismatch);
    EXPECT_EQ(errorNumberOf([&] { words.readNumber(); }), platform::error::TypeMismatch);
}

TEST(TextFileWriter, SavingReplacesTheFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("game.txt");
    TextFileWriter first;
    first.writeTextLine("first");
    QString problem;
    ASSERT_TRUE(first.save(path, &problem)) << problem.toStdString();
    TextFileWriter second;
    second.writeTextLine("second");
    ASSERT_TRUE(second.save(path, &problem));
    auto content = readFile(path, limit::SmallFile, &problem);
    ASSERT_TRUE(content);
    EXPECT_EQ(*content, QByteArray("second\r\n"));
}

TEST(TextRule, FilesAreReadAndRewrittenInTheirOwnEncoding) {
    const QString cafe = QString::fromUtf8("Caf\u00e9 M\u00fcller");
    const QString kino = QString::fromUtf8("\u041a\u0438\u043d\u043e");
    const QByteArray cafeUtf8 = "Caf\xc3\xa9 M\xc3\xbcller";
    const QByteArray kinoUtf8 = "\xd0\x9a\xd0\xb8\xd0\xbd\xd0\xbe";
    const struct {
        const char* what;
        QByteArray file; // empty: a new file
        QStringList read;
        QString added;        // a line the rewrite adds
        QByteArray rewritten; // the file with that line added
    } cases[] = {
        {"ASCII takes a single-byte character",
         "Paris\r\n",
         {"Paris"},
         cafe,
         "Paris\r\nCaf\xe9 M\xfcller\r\n"},
        {"ASCII takes any character",
         "Paris\r\n",
         {"Paris"},
         kino,
         "Paris\r\n" + kinoUtf8 + "\r\n"},
        {"UTF-8 stays UTF-8", cafeUtf8 + "\r\n", {cafe}, "x\u00ff", cafeUtf8 + "\r\nx\xc3\xbf\r\n"},
        {"UTF-8 keeps its mark",
         "\xef\xbb\xbf" + cafeUtf8 + "\r\n",
         {cafe},
         "x",
         "\xef\xbb\xbf" + cafeUtf8 + "\r\nx\r\n"},
        {"a second mark is a character",
         "\xef\xbb\xbf\xef\xbb\xbfx\r\n",
         {QChar(0xfeff) + QString("x")},
         "y",
         "\xef\xbb\xbf\xef\xbb\xbfx\r\ny\r\n"},
        {"single-byte stays single-byte",
         "Caf\xe9 M\xfcller\r\n",
         {cafe},
         "\u00bb",
         "Caf\xe9 M\xfcller\r\n\xbb\r\n"},
        {"single-byte turns UTF-8 rather than lose a character",
         "Caf\xe9 M\xfcller\r\n",
         {cafe},
         kino,
         cafeUtf8 + "\r\n" + kinoUtf8 + "\r\n"},
        {"invalid UTF-8 is single-byte",
         "\xc3\xa9 \xe9\r\n",
         {QString::fromUtf8("\u00c3\u00a9 \u00e9")},
         "",
         "\xc3\xa9 \xe9\r\n\r\n"},
        {"an encoded surrogate is no UTF-8",
         "\xed\xa0\x80\r\n",
         {QString::fromUtf8("\u00ed\u00a0\u0080")},
         "",
         "\xed\xa0\x80\r\n\r\n"},
        {"new, single-byte", "", {}, cafe, "Caf\xe9 M\xfcller\r\n"},
        {"new, a mark before a text that begins with one",
         "",
         {},
         QChar(0xfeff) + QString("x"),
         "\xef\xbb\xbf\xef\xbb\xbfx\r\n"},
        {"new, UTF-8 where a character does not fit", "", {}, kino, kinoUtf8 + "\r\n"},
        {"new, UTF-8 where single bytes would read back as UTF-8",
         "",
         {},
         QString::fromUtf8("\u00c3\u00a9"),
         "\xc3\x83\xc2\xa9\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TextFileReader reader(c.file);
        const QStringList lines = reader.readLines();
        EXPECT_EQ(lines, c.read);
        TextFileWriter unchanged(reader.encoding());
        for (const QString& line : lines)
            unchanged.writeTextLine(line);
        EXPECT_EQ(unchanged.content(), c.file); // byte for byte
        TextFileWriter writer(reader.encoding());
        for (const QString& line : lines + QStringList(c.added))
            writer.writeTextLine(line);
        EXPECT_EQ(writer.content(), c.rewritten);
        EXPECT_EQ(TextFileReader(writer.content()).readLines(), lines + QStringList(c.added));
    }
    TextFileReader items("\"" + kinoUtf8 + ", " + cafeUtf8 + "\", " + kinoUtf8 + " \r\n");
    EXPECT_EQ(items.readItem(), kino + ", " + cafe);
    EXPECT_EQ(items.readItem(), kino);
}

TEST(TextFileReader, BlanksBetweenDigitsAreSkipped) {
    TextFileReader reader(" 2 5 5 \r\n- 1 2,x\r\n");
    EXPECT_DOUBLE_EQ(reader.readNumber(), 255);
    EXPECT_DOUBLE_EQ(reader.readNumber(), -12);
    EXPECT_EQ(errorNumberOf([&] { reader.readNumber(); }), platform::error::TypeMismatch);
}

TEST(TextFileReader, OpeningAMissingFileReportsIt) {
    QString problem;
    EXPECT_FALSE(TextFileReader::open("/no/such/file.squ", limit::SmallFile, &problem));
    EXPECT_FALSE(problem.isEmpty());
}
