#include "wholepicture.h"

#include <QtEndian>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace shared {

namespace {

// The first bytes of a file, where its headers lie, zero past its end.
using Header = std::array<uchar, 54>;

quint32 u32(const Header& header, int at) {
    return qFromLittleEndian<quint32>(header.data() + at);
}
quint16 u16(const Header& header, int at) {
    return qFromLittleEndian<quint16>(header.data() + at);
}

// Compression values of the BMP header.
enum : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };

// The size of a BMP file as its headers describe it, or 0 where they do not say.
qint64 promisedBitmapSize(const QByteArray& bytes) {
    if (bytes.size() < 18)
        return 18;
    Header header{};
    std::copy_n(bytes.cbegin(), std::min<qsizetype>(bytes.size(), header.size()), header.begin());
    const qint64 headerSize = u32(header, 14);
    const bool core = headerSize == 12;
    if (!core && headerSize < 40)
        return 0;
    if (bytes.size() < 14 + std::min<qint64>(headerSize, 40))
        return 14 + headerSize;
    const qint64 width = core ? u16(header, 18) : qint32(u32(header, 18));
    const qint64 height = std::abs(core ? u16(header, 20) : qint64(qint32(u32(header, 22))));
    const qint64 bits = core ? u16(header, 24) : u16(header, 28);
    const quint32 compression = core ? Rgb : u32(header, 30);
    const qint64 imageSize = core ? 0 : u32(header, 34);
    const qint64 coloursUsed = core ? 0 : u32(header, 46);
    if (width <= 0 || bits == 0)
        return 0;
    // Where the rows start: at the offset the file header gives, but never inside the info
    // header, its colour masks or its palette, which are read first.
    qint64 tables = 14 + headerSize;
    if (headerSize == 40 && compression == BitFields)
        tables += 12;
    if (headerSize == 40 && compression == AlphaBitFields)
        tables += 16;
    if (bits <= 8)
        tables += (coloursUsed ? coloursUsed : qint64(1) << bits) * (core ? 3 : 4);
    const qint64 rowsStart = std::max<qint64>(u32(header, 10), tables);
    switch (compression) {
    case Rgb:
    case BitFields:
    case AlphaBitFields: {
        // Rows are padded to whole 32-bit words; a negative height stores them top down.
        const qint64 rowBytes = (width * bits + 31) / 32 * 4;
        if (height > (std::numeric_limits<qint64>::max() - rowsStart) / rowBytes)
            return std::numeric_limits<qint64>::max();
        return rowsStart + rowBytes * height;
    }
    case Rle8:
    case Rle4:
        return imageSize ? rowsStart + imageSize : 0;
    default:
        return 0;
    }
}

bool isWholeJpeg(const QByteArray& bytes) {
    // Marker bytes cannot occur inside the coded data, so the last scan's start is found.
    const qsizetype lastScan = bytes.lastIndexOf("\xFF\xDA");
    return lastScan >= 0 && bytes.indexOf("\xFF\xD9", lastScan) >= 0;
}

} // namespace

bool holdsWholePicture(const QByteArray& bytes) {
    if (bytes.startsWith("BM"))
        return bytes.size() >= promisedBitmapSize(bytes);
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return isWholeJpeg(bytes);
    return true;
}

} // namespace shared
