#pragma once

#include <QImage>
#include <QString>
#include <optional>

// Pictures as the games keep them on disk: read through the file layer, written whole as
// 24-bit BMP files.
namespace shared {

// The picture in a file (BMP, or any format Qt reads), at most limit::Picture bytes, as a
// 32-bit RGB image. nullopt with the reason when the file cannot be read or holds no picture.
std::optional<QImage> readPicture(const QString& path, QString* problem);

// The picture as the bytes of a 24-bit BMP file.
QByteArray bitmapBytes(const QImage& image);

// Replaces the file with the picture as a 24-bit BMP, atomically; false with the reason.
bool saveBitmap(const QString& path, const QImage& image, QString* problem);

} // namespace shared
