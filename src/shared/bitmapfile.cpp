#include "bitmapfile.h"
#include "files.h"
#include "wholepicture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

namespace shared {

namespace {

// Qt's own allocation limit, in MiB, when none is set.
constexpr qint64 DefaultAllocationLimit = 128;

void setProblem(QString* problem, const QString& text) {
    if (problem)
        *problem = text;
}

// lead says what is too large: "Its picture is", "The picture is too large to be read back".
bool fitsTheReader(QSize size, const QString& lead, QString* problem) {
    if (qint64(size.width()) * size.height() <= maxPicturePixels())
        return true;
    setProblem(problem, QString("%1: %2 x %3 pixels, where at most %4 pixels can be read.")
                            .arg(lead)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(maxPicturePixels()));
    return false;
}

// The format a file name asks for, or nothing for a name of a format pictures are not saved in.
QByteArray formatNamedBy(const QString& path) {
    const QString ending = QFileInfo(path).suffix().toLower();
    if (ending == "bmp" || ending == "png")
        return ending.toLatin1();
    if (ending == "jpg" || ending == "jpeg")
        return "jpeg";
    return {};
}

} // namespace

qint64 maxPicturePixels() {
    const qint64 mebibytes = QImageReader::allocationLimit() > 0 ? QImageReader::allocationLimit()
                                                                 : DefaultAllocationLimit;
    return mebibytes * 1024 * 1024 / 4;
}

qint64 maxPictureFileBytes() {
    return 4 * maxPicturePixels() + 64 * 1024;
}

std::optional<QImage> readPicture(const QString& path, QString* problem) {
    std::optional<QByteArray> bytes = readFile(path, maxPictureFileBytes(), problem, "picture");
    if (!bytes)
        return std::nullopt;
    if (!holdsWholePicture(*bytes)) {
        setProblem(problem, "It ends before its picture does: the file has been cut short.");
        return std::nullopt;
    }
    QBuffer buffer(&*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && !fitsTheReader(size, "Its picture is too large", problem))
        return std::nullopt;
    // Qt decodes into an image of the file's size and format when it is given one. Cleared
    // first, it shows pixels that a file leaves unpainted (a run-length BMP may end early or
    // skip some) as the picture's background, colour or palette entry 0, and never as whatever
    // the memory held before.
    QImage image;
    if (size.isValid() && reader.imageFormat() != QImage::Format_Invalid) {
        image = QImage(size, reader.imageFormat());
        image.fill(0);
    }
    if (!reader.read(&image)) {
        setProblem(problem, "It holds no picture that can be read.");
        return std::nullopt;
    }
    // A palette picture stays at a byte a pixel until it is shown: making it 32 bits here would
    // only add a copy four times its size on the way to the screen.
    return image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_RGB32) : image;
}

std::optional<QByteArray> pictureBytes(const QImage& image, const QByteArray& format,
                                       QString* problem) {
    if (image.isNull()) {
        setProblem(problem, "There is no picture to save.");
        return std::nullopt;
    }
    if (!fitsTheReader(image.size(), "The picture is too large to be read back", problem))
        return std::nullopt;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Qt writes a 32-bit image as 24 bits a pixel; an indexed one would keep its palette.
    QImageWriter writer(&buffer, format);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        setProblem(problem, QString("The picture cannot be written as %1: %2.")
                                .arg(QString::fromLatin1(format).toUpper(), writer.errorString()));
        return std::nullopt;
    }
    if (bytes.size() > maxPictureFileBytes()) {
        setProblem(problem, QString("The picture would take %1 bytes, where at most %2 can be "
                                    "read back.")
                                .arg(bytes.size())
                                .arg(maxPictureFileBytes()));
        return std::nullopt;
    }
    return bytes;
}

bool saveBitmap(const QString& path, const QImage& image, QString* problem) {
    const std::optional<QByteArray> bytes = pictureBytes(image, "bmp", problem);
    return bytes && saveFile(path, *bytes, problem);
}

bool savePicture(const QString& path, const QImage& image, QString* problem) {
    const QByteArray format = formatNamedBy(path);
    if (format.isEmpty() || !QImageWriter::supportedImageFormats().contains(format)) {
        setProblem(problem, "A picture can be saved only under a name that ends in .bmp, .png, "
                            ".jpg or .jpeg, which says its format.");
        return false;
    }
    const std::optional<QByteArray> bytes = pictureBytes(image, format, problem);
    return bytes && saveFile(path, *bytes, problem);
}

} // namespace shared
