#include "shared/picturefile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(PictureFile, ReadsABitmapByAnyCaseOfItsName) {
    QTemporaryDir folder;
    QImage picture(12, 10, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(folder.filePath("Cat.bmp"), "BMP"));
    const QImage read = shared::readPicture(folder.filePath("CAT.BMP"));
    ASSERT_EQ(read.size(), QSize(12, 10));
    EXPECT_EQ(read.pixelColor(5, 5), QColor(Qt::blue));
}

TEST(PictureFile, DamagedOrMissingFilesGiveAnEmptyPictureAndSayWhy) {
    QTemporaryDir folder;
    QImage picture(40, 40, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    write(folder.filePath("cut.bmp"), bytes.left(40));
    write(folder.filePath("text.bmp"), "not a picture");
    QDir(folder.path()).mkdir("folder.bmp");
    for (const QString name : {"cut.bmp", "text.bmp", "folder.bmp", "missing.bmp"}) {
        QString problem;
        EXPECT_TRUE(shared::readPicture(folder.filePath(name), &problem).isNull())
            << name.toStdString();
        EXPECT_FALSE(problem.isEmpty()) << name.toStdString();
    }
}
