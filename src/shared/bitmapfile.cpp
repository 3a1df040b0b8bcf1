#include "bitmapfile.h"
#include "files.h"

#include <QBuffer>

namespace shared {

std::optional<QImage> readPicture(const QString& path, QString* problem) {
    const std::optional<QByteArray> bytes = readFile(path, limit::Picture, problem);
    if (!bytes)
        return std::nullopt;
    QImage image;
    if (!image.loadFromData(*bytes) || image.isNull()) {
        if (problem)
            *problem = "It holds no picture that can be read.";
        return std::nullopt;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

QByteArray bitmapBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Qt writes a 32-bit image as 24 bits a pixel; an indexed one would keep its palette.
    image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    return bytes;
}

bool saveBitmap(const QString& path, const QImage& image, QString* problem) {
    if (image.isNull()) {
        if (problem)
            *problem = "There is no picture to save.";
        return false;
    }
    return saveFile(path, bitmapBytes(image), problem);
}

} // namespace shared
