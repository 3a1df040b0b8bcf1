// Turns a rendered picture into the BMP a game loads by name: bmp-from-png <in.png> <out.bmp>
#include <QImage>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bmp-from-png <in.png> <out.bmp>\n");
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull()) {
        std::fprintf(stderr, "bmp-from-png: cannot read %s\n", argv[1]);
        return 1;
    }
    if (!picture.convertToFormat(QImage::Format_RGB888)
             .save(QString::fromLocal8Bit(argv[2]), "BMP")) {
        std::fprintf(stderr, "bmp-from-png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
