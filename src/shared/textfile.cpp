#include "textfile.h"
#include "files.h"
#include "numbertext.h"
#include "platform/runtimeerror.h"

namespace shared {

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
    return QString::fromLatin1(item);
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
    return QString::fromLatin1(line);
}

QStringList TextFileReader::readLines() {
    QStringList lines;
    while (!atEnd())
        lines << readLine();
    return lines;
}

std::optional<QStringList> readTextLines(const QString& path, qint64 maxBytes, QString* problem) {
    std::optional<TextFileReader> reader = TextFileReader::open(path, maxBytes, problem);
    if (!reader)
        return std::nullopt;
    return reader->readLines();
}

void TextFileWriter::writeNumberLine(qint64 value) {
    content_ += numberText(value).toLatin1();
    content_ += " \r\n";
}

void TextFileWriter::writeTextLine(const QString& text) {
    if (!isStorableText(text))
        unstorable_ = true;
    content_ += text.toLatin1();
    content_ += "\r\n";
}

bool TextFileWriter::save(const QString& path, QString* problem, const QString& kind) const {
    if (unstorable_) {
        if (problem)
            *problem = "It would hold characters that cannot be stored in the file.";
        return false;
    }
    return saveFile(path, content_, problem, kind);
}

} // namespace shared
