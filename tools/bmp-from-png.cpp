// Turns a rendered picture into the BMP file a game loads: bmp-from-png in.png out.bmp [8]
// Transparent parts become white; with "8" the bitmap keeps a palette of at most 256 colours.
#include <QImage>
#include <QPainter>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bmp-from-png in.png out.bmp [8]\n");
        return 2;
    }
    const QImage rendered(QString::fromLocal8Bit(argv[1]));
    if (rendered.isNull()) {
        std::fprintf(stderr, "bmp-from-png: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage flat(rendered.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, rendered);
    if (argc > 3 && QByteArray(argv[3]) == "8")
        flat = flat.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    else
        flat = flat.convertToFormat(QImage::Format_RGB888);
    if (!flat.save(QString::fromLocal8Bit(argv[2]), "BMP")) {
        std::fprintf(stderr, "bmp-from-png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
