// Turns a rendered picture into the BMP file a game loads: bmp-from-png in.png out.bmp [8]
// Transparent parts become white; with "8" the bitmap keeps a palette of at most 256 colours.
#include <QHash>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>

// The picture's most used colours, at most 256: every other colour (the smoothed edges) takes
// the nearest of them, so the flat colours of the art stay exactly as drawn.
static QList<QRgb> mostUsedColours(const QImage& image) {
    QHash<QRgb, qsizetype> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QList<QRgb> colours = counts.keys();
    std::sort(colours.begin(), colours.end(), [&](QRgb a, QRgb b) {
        return counts[a] != counts[b] ? counts[a] > counts[b] : a < b;
    });
    return colours.mid(0, 256);
}

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
        flat = flat.convertToFormat(QImage::Format_Indexed8, mostUsedColours(flat),
                                    Qt::ThresholdDither);
    else
        flat = flat.convertToFormat(QImage::Format_RGB888);
    if (!flat.save(QString::fromLocal8Bit(argv[2]), "BMP")) {
        std::fprintf(stderr, "bmp-from-png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
