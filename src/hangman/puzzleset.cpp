#include "puzzleset.h"
#include "platform/runtimeerror.h"
#include "shared/numbertext.h"
#include "shared/textfile.h"

#include <cmath>

namespace hangman {

namespace {

// The items of one line, as the text-file item rules read them.
QStringList lineItems(const QString& line) {
    shared::TextFileReader reader(line.toLatin1() + "\r\n");
    QStringList items;
    while (!reader.atEnd())
        items << reader.readItem();
    return items;
}

bool needsQuotes(const QString& item) {
    return item.contains(',') || shared::trimBlanks(item).startsWith('"');
}

bool isBlank(QChar c) {
    return c == ' ' || c == '\t';
}

// The item as the game writes it back: quoted also when blanks around it must be kept.
QString storedItem(const QString& item) {
    const bool blanks = !item.isEmpty() && (isBlank(item.front()) || isBlank(item.back()));
    return needsQuotes(item) || blanks ? '"' + item + '"' : item;
}

// A double quote left open runs past the line end: the line is damaged.
bool hasOpenQuote(const QStringList& items) {
    for (const QString& item : items)
        if (item.contains('\r') || item.contains('\n'))
            return true;
    return false;
}

// A whole number item, or -1 when the item is none.
qint64 wholeNumber(const QString& item) {
    if (!shared::isNumberItem(item))
        return -1;
    const double value = shared::textToNumber(item);
    if (!(value >= 0 && value <= 1e9) || value != std::floor(value))
        return -1;
    return qint64(value);
}

} // namespace

std::variant<PuzzleSet, QString> parsePuzzleSet(const QByteArray& content) {
    const QStringList lines = shared::TextFileReader(content).readLines();
    if (lines.isEmpty())
        return QString("The file is empty.");
    PuzzleSet set;
    const QStringList title = lineItems(lines[0]);
    if (hasOpenQuote(title))
        return QString("A double quote on line 1 is not closed.");
    if (title.size() != 1)
        return QString("The title on line 1 holds a comma.");
    set.title = title[0];
    if (lines.size() < 2)
        return QString("Line 2, with the number of puzzles, is missing.");
    const QStringList counts = lineItems(lines[1]);
    if (counts.size() != 2)
        return QString("Line 2 should hold two numbers: the number of puzzles and the last "
                       "one played.");
    const qint64 count = wholeNumber(counts[0]);
    if (count < 1)
        return QString("The number of puzzles on line 2 is not a whole number of 1 or more.");
    const qint64 position = wholeNumber(counts[1]);
    if (position < 0)
        return QString("The last puzzle played, on line 2, is not a whole number of 0 or more.");
    if (lines.size() - 2 < count)
        return QString("It should hold %1 puzzles but holds only %2.")
            .arg(count)
            .arg(lines.size() - 2);
    set.position = int(position);
    for (int i = 0; i < count; ++i) {
        const QStringList items = lineItems(lines[i + 2]);
        if (hasOpenQuote(items))
            return QString("A double quote on line %1 is not closed.").arg(i + 3);
        if (items.size() != 2)
            return QString("Line %1 should hold a clue, a comma and an answer.").arg(i + 3);
        if (items[1].size() > MaxAnswerLength)
            return QString("The answer on line %1 is longer than %2 characters.")
                .arg(i + 3)
                .arg(MaxAnswerLength);
        set.puzzles.append({items[0], items[1]});
    }
    return set;
}

int nextPosition(int position, int count) {
    return position + 1 > count ? 1 : position + 1;
}

QString itemText(const QString& item) {
    return needsQuotes(item) ? '"' + item + '"' : item;
}

bool canBeWritten(const QString& item) {
    return !needsQuotes(item) || !item.contains('"');
}

QByteArray gameContent(const PuzzleSet& set) {
    shared::TextFileWriter writer;
    writer.writeTextLine(storedItem(set.title));
    writer.writeTextLine(shared::numberText(set.puzzles.size()) + ", " +
                         shared::numberText(set.position));
    for (const Puzzle& puzzle : set.puzzles)
        writer.writeTextLine(storedItem(puzzle.clue) + ", " + storedItem(puzzle.answer));
    return writer.content();
}

QByteArray editorContent(const QString& title, const QList<Puzzle>& puzzles) {
    shared::TextFileWriter writer;
    writer.writeTextLine(itemText(title));
    writer.writeTextLine(shared::numberText(puzzles.size()) + ", 0");
    for (const Puzzle& puzzle : puzzles)
        writer.writeTextLine(itemText(puzzle.clue) + ", " + itemText(puzzle.answer));
    return writer.content();
}

} // namespace hangman
