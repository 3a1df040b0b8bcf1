#include "shared/bitmapfile.h"
#include "testfiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QImage checkered() {
    QImage image(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(200, 10, 30) : qRgb(0, 128, 128));
    return image;
}

QImage blank(int width, int height) {
    QImage image(width, height, QImage::Format_Mono);
    image.fill(0);
    return image;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

void put32(QByteArray& bytes, int at, qint32 value) {
    qToLittleEndian(value, bytes.data() + at);
}

// Qt's 24-bit BMP stored top down: the height turned negative and the rows in reverse order.
QByteArray topDown(QByteArray bytes) {
    const int rowBytes = 24, rows = 5, start = 54;
    put32(bytes, 22, -rows);
    const QByteArray pixels = bytes.mid(start);
    for (int row = 0; row < rows; ++row)
        bytes.replace(start + row * rowBytes, rowBytes,
                      pixels.mid((rows - 1 - row) * rowBytes, rowBytes));
    return bytes;
}

QByteArray withoutImageSize(QByteArray bytes) {
    put32(bytes, 34, 0);
    return bytes;
}

// A picture in two colours, blue and green, run-length coded with 8 (or 4) bits a pixel.
QByteArray runLengthCoded(const QByteArray& rows = "\x04\x01\0\0\x02\0\x02\x01\0\x01"_ba,
                          int width = 4, int height = 2, int bits = 8) {
    QByteArray bytes(14 + 40 + 8, '\0');
    bytes.replace(0, 2, "BM");
    put32(bytes, 2, 14 + 40 + 8 + rows.size());
    put32(bytes, 10, 14 + 40 + 8);
    put32(bytes, 14, 40);
    put32(bytes, 18, width);
    put32(bytes, 22, height);
    bytes[26] = 1;
    bytes[28] = char(bits);
    put32(bytes, 30, bits == 8 ? 1 : 2); // RLE8 or RLE4
    put32(bytes, 34, rows.size());
    put32(bytes, 46, 2); // colours used
    bytes.replace(54, 8, QByteArray("\xff\x00\x00\x00\x00\xff\x00\x00", 8));
    return bytes + rows;
}

// A blue 16 x 8 picture, as a run-length file that paints only its green pixels shows it.
QImage blueWithGreen(int x, int y, int count) {
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int i = 0; i < count; ++i)
        image.setPixel(x + i, y, qRgb(0, 255, 0));
    return image;
}

const QString CutShort = "It ends before its picture does: the file has been cut short.";
const QString NoPicture = "It holds no picture that can be read.";

// While one lives, the image reader decodes at most a MiB: 262144 pixels.
struct SmallReader {
    int before = QImageReader::allocationLimit();
    SmallReader() { QImageReader::setAllocationLimit(1); }
    ~SmallReader() { QImageReader::setAllocationLimit(before); }
};

// The format the reader finds in a file; nothing when there is no file.
QByteArray formatOf(const QString& path) {
    QByteArray bytes = contentOf(path);
    QBuffer buffer(&bytes);
    return QImageReader(&buffer).format();
}

} // namespace

TEST(Bitmaps, ASavedPictureIsA24BitBmpThatReadsBackTheSame) {
    QTemporaryDir dir;
    const QString path = dir.filePath("cat.bmp");
    QString problem;
    // An indexed picture too is written with 24 bits a pixel.
    const QImage indexed = checkered().convertToFormat(QImage::Format_Indexed8);
    ASSERT_TRUE(shared::saveBitmap(path, indexed, &problem)) << problem.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(int(bytes.at(28)), 24);
    const std::optional<QImage> back = shared::readPicture(path, &problem);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, checkered());
}

// Each file whole reads as Qt reads it; cut short by a few bytes, it is refused.
TEST(Bitmaps, APictureIsReadOnlyWhenItsFileHoldsAllOfIt) {
    const QByteArray bmp24 = encoded(checkered(), "BMP");
    const struct {
        const char* name;
        QByteArray bytes;
        int cut;
        QString problem;
        QImage shown = {}; // where not as QImage reads the file
    } rows[] = {
        {"24-bit, bottom up", bmp24, 1, CutShort},
        {"24-bit, bottom up, last row", bmp24, 24, CutShort},
        {"24-bit, no image size", withoutImageSize(bmp24), 1, CutShort},
        {"24-bit, top down", topDown(bmp24), 1, CutShort},
        {"24-bit, top down, no image size", withoutImageSize(topDown(bmp24)), 30, CutShort},
        {"8-bit palette", encoded(checkered().convertToFormat(QImage::Format_Indexed8), "BMP"), 1,
         CutShort},
        {"8-bit palette, no image size",
         withoutImageSize(encoded(checkered().convertToFormat(QImage::Format_Indexed8), "BMP")), 10,
         CutShort},
        {"1-bit palette", encoded(checkered().convertToFormat(QImage::Format_Mono), "BMP"), 4,
         CutShort},
        {"8-bit run-length coded", runLengthCoded(), 2, CutShort},
        // Pixels the runs leave unpainted show the background, not what memory held.
        {"8-bit run-length, ended early", runLengthCoded("\x02\x01\0\x01"_ba, 16, 8), 2, CutShort,
         blueWithGreen(0, 7, 2)},
        {"8-bit run-length, a skip", runLengthCoded("\0\x02\x03\x01\x02\x01\0\x01"_ba, 16, 8), 2,
         CutShort, blueWithGreen(3, 6, 2)},
        {"8-bit run-length, no image size",
         withoutImageSize(runLengthCoded("\x02\x01\0\x01"_ba, 16, 8)), 2, CutShort,
         blueWithGreen(0, 7, 2)},
        {"4-bit run-length, ended early", runLengthCoded("\x03\x11\0\x01"_ba, 16, 8, 4), 2,
         CutShort, blueWithGreen(0, 7, 3)},
        {"GIF", "GIF89a\1\0\1\0\x80\0\0\xff\xff\xff\0\0\0,\0\0\0\0\1\0\1\0\0\2\2D\1\0;"_ba, 3,
         CutShort},
        {"header only", bmp24, 120, CutShort},
        {"JPEG", encoded(checkered(), "JPEG"), 10, CutShort},
        {"PNG", encoded(checkered(), "PNG"), 10, NoPicture},
        {"PNG with alpha", encoded(checkered().convertToFormat(QImage::Format_ARGB32), "PNG"), 10,
         NoPicture},
    };
    QTemporaryDir dir;
    // Read first, it leaves its green in the memory the next picture of its size may get.
    const QString green = dir.filePath("green");
    ASSERT_TRUE(write(green, runLengthCoded("\x10\x01\0\0"_ba.repeated(8), 16, 8)));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = dir.filePath("picture");
        ASSERT_TRUE(write(path, row.bytes));
        QString problem;
        ASSERT_TRUE(shared::readPicture(green, &problem));
        const std::optional<QImage> whole = shared::readPicture(path, &problem);
        ASSERT_TRUE(whole) << problem.toStdString();
        const QImage decoded = QImage::fromData(row.bytes);
        EXPECT_EQ(whole->convertToFormat(QImage::Format_RGB32),
                  (row.shown.isNull() ? decoded : row.shown).convertToFormat(QImage::Format_RGB32));
        // Kept as decoded, so a palette picture takes a byte a pixel; only alpha is dropped.
        EXPECT_EQ(whole->format(),
                  decoded.hasAlphaChannel() ? QImage::Format_RGB32 : decoded.format());
        ASSERT_TRUE(write(path, row.bytes.chopped(row.cut)));
        EXPECT_FALSE(shared::readPicture(path, &problem));
        EXPECT_EQ(problem, row.problem);
    }
    EXPECT_EQ(QImage::fromData(topDown(bmp24)), QImage::fromData(bmp24));
}

TEST(Bitmaps, WhatHoldsNoPictureIsRefusedAndAFailedSaveKeepsTheOldFile) {
    QTemporaryDir dir;
    QString problem;
    QFile text(dir.filePath("notes.bmp"));
    text.open(QIODevice::WriteOnly);
    text.write("no picture at all");
    text.close();
    EXPECT_FALSE(shared::readPicture(text.fileName(), &problem));
    EXPECT_EQ(problem, NoPicture);
    EXPECT_FALSE(shared::readPicture(dir.filePath("missing.bmp"), &problem));
    EXPECT_EQ(problem, "It does not exist.");
    EXPECT_FALSE(shared::readPicture(dir.path(), &problem));
    EXPECT_EQ(problem, "It is a folder, not a picture.");

    const QString path = dir.filePath("keep.bmp");
    ASSERT_TRUE(shared::saveBitmap(path, checkered(), &problem));
    EXPECT_FALSE(shared::saveBitmap(path, QImage(), &problem));
    QDir(dir.path()).mkdir("folder.bmp");
    EXPECT_FALSE(shared::saveBitmap(dir.filePath("folder.bmp"), checkered(), &problem));
    EXPECT_EQ(*shared::readPicture(path, &problem), checkered());
}

// One limit, the image reader's, serves reading and writing.
TEST(Bitmaps, EveryPictureThatIsSavedReadsBackAndNoLargerOneIsSaved) {
    QTemporaryDir dir;
    QString problem;
    // 4000 x 3000 pixels make a BMP file of 36,000,054 bytes.
    QImage large(4000, 3000, QImage::Format_RGB32);
    large.fill(qRgb(10, 200, 30));
    large.setPixel(3999, 0, qRgb(1, 2, 3));
    ASSERT_TRUE(shared::saveBitmap(dir.filePath("large.bmp"), large, &problem));
    EXPECT_EQ(QFileInfo(dir.filePath("large.bmp")).size(), 36000054);
    EXPECT_EQ(shared::readPicture(dir.filePath("large.bmp"), &problem), large)
        << problem.toStdString();
    large = QImage();

    const QImage wide = blank(513, 512);
    ASSERT_TRUE(shared::saveBitmap(dir.filePath("wide.bmp"), wide, &problem));
    const QByteArray wideFile = contentOf(dir.filePath("wide.bmp"));
    ASSERT_TRUE(write(dir.filePath("big.bmp"), QByteArray(1200 * 1024, 'x')));
    const SmallReader small;
    EXPECT_EQ(shared::maxPicturePixels(), 512 * 512);
    EXPECT_TRUE(shared::saveBitmap(dir.filePath("square.bmp"), blank(512, 512), &problem));
    EXPECT_TRUE(shared::readPicture(dir.filePath("square.bmp"), &problem));
    // Written whole before: the file stays as it was.
    EXPECT_FALSE(shared::saveBitmap(dir.filePath("wide.bmp"), wide, &problem));
    EXPECT_EQ(problem, "The picture is too large to be read back: 513 x 512 pixels, where at "
                       "most 262144 pixels can be read.");
    EXPECT_EQ(contentOf(dir.filePath("wide.bmp")), wideFile);
    EXPECT_FALSE(shared::readPicture(dir.filePath("wide.bmp"), &problem));
    EXPECT_EQ(
        problem,
        "Its picture is too large: 513 x 512 pixels, where at most 262144 pixels can be read.");
    EXPECT_FALSE(shared::readPicture(dir.filePath("big.bmp"), &problem));
    EXPECT_EQ(problem, "It is too large for a picture: more than 1114112 bytes.");
}

// A picture is written in the format its name says, or not at all.
TEST(Bitmaps, APictureIsSavedInTheFormatItsNameSays) {
    const struct {
        const char* name;
        QByteArray format; // as the reader finds it; empty where the name is refused
    } rows[] = {{"cat.bmp", "bmp"}, {"cat.PNG", "png"}, {"cat.jpg", "jpeg"}, {"cat.Jpeg", "jpeg"},
                {"cat.gif", ""},    {"cat", ""},        {"cat.png.txt", ""}};
    QTemporaryDir dir;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = dir.filePath(row.name);
        QString problem;
        EXPECT_EQ(shared::savePicture(path, checkered(), &problem), !row.format.isEmpty());
        EXPECT_EQ(formatOf(path), row.format);
        if (row.format.isEmpty())
            EXPECT_EQ(problem, "A picture can be saved only under a name that ends in .bmp, .png, "
                               ".jpg or .jpeg, which says its format.");
        else
            EXPECT_EQ(shared::readPicture(path, nullptr)->size(), checkered().size());
    }
    EXPECT_EQ(contentOf(dir.filePath("cat.bmp")).at(28), 24);
}
