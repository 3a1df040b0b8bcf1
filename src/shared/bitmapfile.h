#pragma once

#include <QImage>
#include <QString>
#include <optional>

// Pictures as the games keep them on disk: read through the file layer, written whole. One
// limit serves both ways, so every picture the suite writes, the suite reads back.
namespace shared {

// The largest picture the reader decodes, in pixels: as many as fit the image reader's
// allocation limit at 32 bits a pixel, which is how every picture is shown.
qint64 maxPicturePixels();
// The largest picture file the reader takes: a BMP of the largest picture needs at most four
// bytes a pixel and its headers; the PNG and JPEG files Qt writes need less.
qint64 maxPictureFileBytes();

// The picture in a file (BMP, or any format Qt reads), opaque, in the format it was decoded
// in (a palette BMP stays 8 bits a pixel; convert it before painting on it). nullopt with the
// reason when the file cannot be read, is cut short, is too large or holds no picture.
std::optional<QImage> readPicture(const QString& path, QString* problem);

// The picture as the bytes of a file in a format: "bmp" (24 bits a pixel), "png" or "jpeg".
// nullopt with the reason when the reader could not read it back or it cannot be written.
std::optional<QByteArray> pictureBytes(const QImage& image, const QByteArray& format,
                                       QString* problem);

// Replaces the file with the picture as a 24-bit BMP, atomically; false with the reason.
bool saveBitmap(const QString& path, const QImage& image, QString* problem);

// Replaces the file with the picture in the format its name ends in (.bmp, .png, .jpg or
// .jpeg), atomically; false with the reason, also for a name of any other format.
bool savePicture(const QString& path, const QImage& image, QString* problem);

} // namespace shared
