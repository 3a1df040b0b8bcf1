#include "textfile.h"
#include "files.h"
#include "numbertext.h"
#include "platform/runtimeerror.h"

#include <QStringDecoder>
#include <algorithm>

namespace shared {

namespace {

const QByteArray ByteOrderMark = "\xEF\xBB\xBF";

bool isAscii(const QByteArray& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}

bool isValidUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

bool fitsOneByte(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

} // namespace

TextEncoding encodingOf(const QByteArray& bytes) {
    if (isAscii(bytes) || !isValidUtf8(bytes))
        return TextEncoding::SingleByte;
    return bytes.startsWith(ByteOrderMark) ? TextEncoding::Utf8WithMark : TextEncoding::Utf8;
}

QString decodeText(const QByteArray& bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::SingleByte)
        return QString::fromLatin1(bytes);
    const bool marked = encoding == TextEncoding::Utf8WithMark && bytes.startsWith(ByteOrderMark);
    // Only the file's own mark is left out (QString::fromUtf8 would drop any leading one).
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(marked ? bytes.mid(ByteOrderMark.size()) : bytes);
}

QByteArray encodeText(const QString& text, TextEncoding kept) {
    // Text that begins with a mark character keeps it behind a mark of the file's own.
    if (kept == TextEncoding::Utf8WithMark || text.startsWith(QChar(0xFEFF)))
        return ByteOrderMark + text.toUtf8();
    if (kept == TextEncoding::SingleByte && fitsOneByte(text)) {
        // Single-byte text that happens to be valid UTF-8 would read back as other characters.
        const QByteArray bytes = text.toLatin1();
        if (encodingOf(bytes) == TextEncoding::SingleByte)
            return bytes;
    }
    return text.toUtf8();
}

TextFileReader::TextFileReader(QByteArray content)
    : content_(std::move(content)), encoding_(encodingOf(content_)) {
    if (encoding_ == TextEncoding::Utf8WithMark)
        pos_ = ByteOrderMark.size();
}

std::optional<TextFileReader> TextFileReader::open(const QString& path, qint64 maxBytes,
                                                   QString* problem, const QString& kind) {
    std::optional<QByteArray> content = readFile(path, maxBytes, problem, kind);
    if (!content)
        return std::nullopt;
    return TextFileReader(std::move(*content));
}

void TextFileReader::throwIfAtEnd() const {
    if (atEnd())
        throw platform::RunTimeError(platform::error::InputPastEnd, "Input past end of file");
}

// CR LF ends a line; a lone LF or CR does too, so files edited on Linux read the same.
bool TextFileReader::atLineEnd() const {
    return pos_ < content_.size() && (content_[pos_] == '\r' || content_[pos_] == '\n');
}

void TextFileReader::skipLineEnd() {
    if (pos_ < content_.size() && content_[pos_] == '\r')
        ++pos_;
    if (pos_ < content_.size() && content_[pos_] == '\n')
        ++pos_;
}

QString TextFileReader::readItem() {
    throwIfAtEnd();
    while (pos_ < content_.size() && (content_[pos_] == ' ' || content_[pos_] == '\t'))
        ++pos_;
    QByteArray item;
    if (pos_ < content_.size() && content_[pos_] == '"') {
        const qsizetype close = content_.indexOf('"', pos_ + 1);
        const qsizetype end = close < 0 ? content_.size() : close;
        item = content_.mid(pos_ + 1, end - pos_ - 1);
        pos_ = close < 0 ? end : close + 1;
        // Whatever follows the closing quote up to the separator is passed over.
        while (pos_ < content_.size() && content_[pos_] != ',' && !atLineEnd())
            ++pos_;
    } else {
        while (pos_ < content_.size() && content_[pos_] != ',' && !atLineEnd())
            item.append(content_[pos_++]);
        while (item.endsWith(' ') || item.endsWith('\t'))
            item.chop(1);
    }
    if (pos_ < content_.size() && content_[pos_] == ',')
        ++pos_;
    else
        skipLineEnd();
    return text(item);
}

double TextFileReader::readNumber() {
    const QString item = readItem();
    if (!isNumberItem(item))
        throw platform::RunTimeError(platform::error::TypeMismatch, "Type mismatch");
    return textToNumber(item);
}

QString TextFileReader::readLine() {
    throwIfAtEnd();
    const qsizetype from = pos_;
    while (pos_ < content_.size() && !atLineEnd())
        ++pos_;
    const QByteArray line = content_.mid(from, pos_ - from);
    skipLineEnd();
    return text(line);
}

QStringList TextFileReader::readLines() {
    QStringList lines;
    while (!atEnd())
        lines << readLine();
    return lines;
}

std::optional<QStringList> readTextLines(const QString& path, qint64 maxBytes, QString* problem,
                                         TextEncoding* encoding) {
    std::optional<TextFileReader> reader = TextFileReader::open(path, maxBytes, problem);
    if (!reader)
        return std::nullopt;
    if (encoding)
        *encoding = reader->encoding();
    return reader->readLines();
}

void TextFileWriter::writeNumberLine(qint64 value) {
    text_ += numberText(value) + " \r\n";
}

void TextFileWriter::writeTextLine(const QString& text) {
    text_ += text + "\r\n";
}

bool TextFileWriter::save(const QString& path, QString* problem, const QString& kind) const {
    return saveFile(path, content(), problem, kind);
}

} // namespace shared
