#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Text files as the games read and write them: CR LF line ends, numeric items with their
// leading and trailing blank, items separated by commas or line ends.
namespace shared {

// Reads items and lines from the whole text of a file. Reading past the end, or reading an
// item that is no number into a number, throws platform::RunTimeError.
class TextFileReader {
  public:
    explicit TextFileReader(QByteArray content) : content_(std::move(content)) {}

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

  private:
    void throwIfAtEnd() const;
    void skipLineEnd();
    bool atLineEnd() const;

    QByteArray content_;
    qsizetype pos_ = 0;
};

// Collects the lines of a file and saves them whole: written to a temporary file beside the
// target and renamed over it, so a failed save leaves the old file as it was.
class TextFileWriter {
  public:
    // A numeric item line: sign character (blank or "-"), digits, a blank, CR LF.
    void writeNumberLine(qint64 value);
    // A text line: the text unchanged, then CR LF. Text that the file cannot hold
    // (isStorableText) is never changed to fit: save then refuses.
    void writeTextLine(const QString& text);

    const QByteArray& content() const { return content_; }
    // Saves the lines to the path; false with the reason when it cannot (kind as saveFile).
    bool save(const QString& path, QString* problem,
              const QString& kind = QStringLiteral("file")) const;

  private:
    QByteArray content_;
    bool unstorable_ = false;
};

// Every line of a text file of at most maxBytes; nullopt with the reason when it cannot be read.
std::optional<QStringList> readTextLines(const QString& path, qint64 maxBytes, QString* problem);

} // namespace shared
