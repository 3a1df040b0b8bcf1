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

TEST(TextFileWriter, TextThatCannotBeStoredIsRefusedNotChanged) {
    QTemporaryDir dir;
    const QString path = dir.filePath("set.hng");
    TextFileWriter old;
    old.writeTextLine("Caf\u00e9, old");
    QString problem;
    ASSERT_TRUE(old.save(path, &problem));
    TextFileWriter writer;
    writer.writeTextLine("Price, 5 \u20ac");
    EXPECT_FALSE(writer.save(path, &problem));
    EXPECT_EQ(problem, "It would hold characters that cannot be stored in the file.");
    EXPECT_EQ(*readFile(path, limit::SmallFile, nullptr), QByteArray("Caf\xe9, old\r\n"));
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
