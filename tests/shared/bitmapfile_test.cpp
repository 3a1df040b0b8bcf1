#include "shared/bitmapfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QImage checkered() {
    QImage image(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(200, 10, 30) : qRgb(0, 128, 128));
    return image;
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

TEST(Bitmaps, WhatHoldsNoPictureIsRefusedAndAFailedSaveKeepsTheOldFile) {
    QTemporaryDir dir;
    QString problem;
    QFile text(dir.filePath("notes.bmp"));
    text.open(QIODevice::WriteOnly);
    text.write("BM this is no picture");
    text.close();
    EXPECT_FALSE(shared::readPicture(text.fileName(), &problem));
    EXPECT_EQ(problem, "It holds no picture that can be read.");
    EXPECT_FALSE(shared::readPicture(dir.filePath("missing.bmp"), &problem));
    EXPECT_EQ(problem, "It does not exist.");
    QFile cut(dir.filePath("cut.bmp"));
    cut.open(QIODevice::WriteOnly);
    cut.write(shared::bitmapBytes(checkered()).left(40));
    cut.close();
    EXPECT_FALSE(shared::readPicture(cut.fileName(), &problem));
    EXPECT_FALSE(shared::readPicture(dir.path(), &problem));
    EXPECT_EQ(problem, "It is a folder, not a file.");

    const QString path = dir.filePath("keep.bmp");
    ASSERT_TRUE(shared::saveBitmap(path, checkered(), &problem));
    EXPECT_FALSE(shared::saveBitmap(path, QImage(), &problem));
    QDir(dir.path()).mkdir("folder.bmp");
    EXPECT_FALSE(shared::saveBitmap(dir.filePath("folder.bmp"), checkered(), &problem));
    EXPECT_EQ(*shared::readPicture(path, &problem), checkered());
}
