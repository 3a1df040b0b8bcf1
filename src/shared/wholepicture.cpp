#include "wholepicture.h"

#include <QtEndian>
#include <algorithm>
#include <array>
#include <cstdlib>

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

// Whether run-length coded rows reach their end within the file: the end-of-bitmap code, or
// the end of the last row. A cut file stops before either, whatever image size its header
// gives (often none).
bool runsReachTheirEnd(const QByteArray& bytes, qint64 at, qint64 height, bool fourBits) {
    for (qint64 row = 0; row < height;) {
        if (at + 2 > bytes.size())
            return false;
        const uchar count = uchar(bytes[at]), code = uchar(bytes[at + 1]);
        at += 2;
        if (count != 0) // a run of one pixel value
            continue;
        if (code == 0) { // end of a row
            ++row;
        } else if (code == 1) { // end of the bitmap
            return true;
        } else if (code == 2) { // a skip onwards, never past the last row
            if (at + 2 > bytes.size())
                return false;
            row = std::min<qint64>(row + uchar(bytes[at + 1]), height - 1);
            at += 2;
        } else { // code pixels as they are, padded to a whole 16-bit word
            const qint64 pixelBytes = fourBits ? (code + 1) / 2 : code;
            at += (pixelBytes + 1) / 2 * 2;
        }
    }
    return true;
}

// Whether a BMP file holds all its headers promise; true where they do not say.
bool isWholeBitmap(const QByteArray& bytes) {
    if (bytes.size() < 18)
        return false;
    Header header{};
    std::copy_n(bytes.cbegin(), std::min<qsizetype>(bytes.size(), header.size()), header.begin());
    const qint64 headerSize = u32(header, 14);
    const bool core = headerSize == 12;
    if (!core && headerSize < 40)
        return true;
    if (bytes.size() < 14 + std::min<qint64>(headerSize, 40))
        return false;
    const qint64 width = core ? u16(header, 18) : qint32(u32(header, 18));
    const qint64 height = std::abs(core ? u16(header, 20) : qint64(qint32(u32(header, 22))));
    const qint64 bits = core ? u16(header, 24) : u16(header, 28);
    const quint32 compression = core ? Rgb : u32(header, 30);
    const qint64 imageSize = core ? 0 : u32(header, 34);
    const qint64 coloursUsed = core ? 0 : u32(header, 46);
    if (width <= 0 || bits == 0)
        return true;
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
        return bytes.size() >= rowsStart && height <= (bytes.size() - rowsStart) / rowBytes;
    }
    case Rle8:
    case Rle4:
        return bytes.size() >= rowsStart + imageSize &&
               runsReachTheirEnd(bytes, rowsStart, height, compression == Rle4);
    default:
        return true;
    }
}

// Whether a GIF's blocks run on to its trailer, which a cut file has lost.
bool isWholeGif(const QByteArray& bytes) {
    const auto colourTableBytes = [](uchar flags) {
        return flags & 0x80 ? 3 << ((flags & 7) + 1) : 0;
    };
    if (bytes.size() < 13)
        return false;
    qsizetype at = 13 + colourTableBytes(uchar(bytes[10]));
    while (at < bytes.size()) {
        const uchar block = uchar(bytes[at]);
        if (block == 0x3B) // the trailer
            return true;
        if (block == 0x21) { // an extension: its label, then its data
            at += 2;
        } else if (block == 0x2C) { // an image: where it lies, its colours, its code size
            if (at + 10 > bytes.size())
                return false;
            at += 10 + colourTableBytes(uchar(bytes[at + 9])) + 1;
        } else {
            return true; // too broken to tell: the image reader judges it
        }
        // Data comes in blocks, each after its length, up to an empty one.
        while (at < bytes.size() && bytes[at] != 0)
            at += 1 + uchar(bytes[at]);
        ++at;
    }
    return false;
}

bool isWholeJpeg(const QByteArray& bytes) {
    // Marker bytes cannot occur inside the coded data, so the last scan's start is found.
    const qsizetype lastScan = bytes.lastIndexOf("\xFF\xDA");
    return lastScan >= 0 && bytes.indexOf("\xFF\xD9", lastScan) >= 0;
}

} // namespace

bool holdsWholePicture(const QByteArray& bytes) {
    if (bytes.startsWith("BM"))
        return isWholeBitmap(bytes);
    if (bytes.startsWith("GIF8"))
        return isWholeGif(bytes);
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return isWholeJpeg(bytes);
    return true;
}

} // namespace shared
