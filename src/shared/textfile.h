#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Text files as the games read and write them: CR LF line ends, numeric items with their
// leading and trailing blank, items separated by commas or line ends.
namespace shared {

// How a file holds its characters. A file that is valid UTF-8 is read as UTF-8 (after its byte
// order mark, when it has one); any other as the single-byte set, one character a byte.
enum class TextEncoding { SingleByte, Utf8, Utf8WithMark };

// The encoding a file's bytes are read in. Plain ASCII counts as single-byte.
TextEncoding encodingOf(const QByteArray& bytes);
// The text of a file's bytes, read in encoding (its byte order mark left out).
QString decodeText(const QByteArray& bytes, TextEncoding encoding);
// The bytes of a file's text. A file read as UTF-8 stays UTF-8; any other is written in the
// single-byte set when every character fits and reads back so, and as UTF-8 when one does not.
QByteArray encodeText(const QString& text, TextEncoding kept);

// Reads items and lines from the whole text of a file. Reading past the end, or reading an
// item that is no number into a number, throws platform::RunTimeError.
class TextFileReader {
  public:
    explicit TextFileReader(QByteArray content);

    // Opens a file of at most maxBytes for reading; nullopt with the reason when it cannot
    // (kind as readFile).
    static std::optional<TextFileReader> open(const QString& path, qint64 maxBytes,
                                              QString* problem,
                                              const QString& kind = QStringLiteral("file"));

    // One item: leading blanks skipped; runs to a comma or the line end, or, in double
    // quotes, to the closing quote. Trailing blanks of an unquoted item are dropped.
    QString readItem();
    // An item read into a number.
    double readNumber();
    // The whole line up to its line end, blanks and commas included.
    QString readLine();
    // Every line left, each without its line end.
    QStringList readLines();
    // True when nothing is left to read.
    bool atEnd() const { return pos_ >= content_.size(); }
    // The encoding the text is read in; a rewrite keeps it.
    TextEncoding encoding() const { return encoding_; }

  private:
    void throwIfAtEnd() const;
    void skipLineEnd();
    bool atLineEnd() const;

    // Bytes after the file's own mark: a mark among them is a character of the text.
    QString text(const QByteArray& bytes) const {
        return decodeText(bytes,
                          encoding_ == TextEncoding::SingleByte ? encoding_ : TextEncoding::Utf8);
    }

    QByteArray content_;
    TextEncoding encoding_;
    qsizetype pos_ = 0;
};

// Collects the lines of a file and saves them whole: written to a temporary file beside the
// target and renamed over it, so a failed save leaves the old file as it was. A rewrite passes
// the encoding the file was read in; a new file is single-byte where its text fits.
class TextFileWriter {
  public:
    explicit TextFileWriter(TextEncoding kept = TextEncoding::SingleByte) : kept_(kept) {}
    // A numeric item line: sign character (blank or "-"), digits, a blank, CR LF.
    void writeNumberLine(qint64 value);
    // A text line: the text unchanged, then CR LF.
    void writeTextLine(const QString& text);

    QByteArray content() const { return encodeText(text_, kept_); }
    // Saves the lines to the path; false with the reason when it cannot (kind as saveFile).
    bool save(const QString& path, QString* problem,
              const QString& kind = QStringLiteral("file")) const;

  private:
    TextEncoding kept_;
    QString text_;
};

// Every line of a text file of at most maxBytes; nullopt with the reason when it cannot be read.
// encoding, when given, gets the encoding the file was read in.
std::optional<QStringList> readTextLines(const QString& path, qint64 maxBytes, QString* problem,
                                         TextEncoding* encoding = nullptr);

} // namespace shared
