#include "puzzleset.h"
#include "shared/numbertext.h"
#include "shared/textfile.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace hangman {

namespace {

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

// A whole number of at least `least`, or nullopt when the item is none.
std::optional<double> wholeNumber(const QString& item, double least) {
    if (!shared::isNumberItem(item))
        return std::nullopt;
    const double value = shared::textToNumber(item);
    if (!(value >= least) || value != std::floor(value))
        return std::nullopt;
    return value;
}

} // namespace

std::variant<PuzzleSet, QString> parsePuzzleSet(const QByteArray& content) {
    // The items one after another, wherever the commas and line ends put them.
    shared::TextFileReader reader(content);
    bool openQuote = false;
    const auto next = [&]() -> std::optional<QString> {
        if (reader.atEnd())
            return std::nullopt;
        QString item = reader.readItem();
        // A double quote left open runs past the line end: damage, never a text to play.
        openQuote = openQuote || item.contains('\r') || item.contains('\n');
        return item;
    };
    const std::optional<QString> title = next();
    if (!title)
        return QString("The file is empty.");
    if (openQuote)
        return QString("A double quote in the title is not closed.");
    PuzzleSet set;
    set.encoding = reader.encoding();
    set.title = *title;
    // A whole number of at least `least`, or nullopt after noting why it is none; its item
    // stays in numberItem for a message.
    QString problem;
    QString numberItem;
    const auto number = [&](const QString& what, int least) -> std::optional<double> {
        const std::optional<QString> item = next();
        numberItem = item.value_or(QString());
        const std::optional<double> value = item ? wholeNumber(*item, least) : std::nullopt;
        if (!value)
            problem = item ? QString("%1 is not a whole number of %2 or more.").arg(what).arg(least)
                           : what + " is missing.";
        return value;
    };
    const std::optional<double> count = number("The number of puzzles, after the title,", 1);
    if (!count)
        return problem;
    const QString countItem = numberItem;
    const std::optional<double> position =
        number("The last puzzle played, after the number of puzzles,", 0);
    if (!position)
        return problem;
    while (set.puzzles.size() < *count) {
        const qsizetype n = set.puzzles.size() + 1;
        const std::optional<QString> clue = next();
        const std::optional<QString> answer = clue ? next() : std::nullopt;
        if (openQuote)
            return QString("A double quote in puzzle %1 is not closed.").arg(n);
        if (!answer)
            return QString("It should hold %1 puzzles but holds only %2.")
                .arg(shared::itemForMessage(countItem))
                .arg(n - 1);
        if (answer->size() > MaxAnswerLength)
            return QString("The answer of puzzle %1 is longer than %2 characters.")
                .arg(n)
                .arg(MaxAnswerLength);
        set.puzzles.append({*clue, *answer});
    }
    // A position past the last puzzle counts as the last, so the next game wraps to the first.
    set.position = int(std::min(*position, double(set.puzzles.size())));
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
    shared::TextFileWriter writer(set.encoding);
    writer.writeTextLine(storedItem(set.title));
    writer.writeTextLine(shared::numberText(set.puzzles.size()) + ", " +
                         shared::numberText(set.position));
    for (const Puzzle& puzzle : set.puzzles)
        writer.writeTextLine(storedItem(puzzle.clue) + ", " + storedItem(puzzle.answer));
    return writer.content();
}

QByteArray editorContent(const QString& title, const QList<Puzzle>& puzzles,
                         shared::TextEncoding encoding) {
    shared::TextFileWriter writer(encoding);
    writer.writeTextLine(itemText(title));
    writer.writeTextLine(shared::numberText(puzzles.size()) + ", 0");
    for (const Puzzle& puzzle : puzzles)
        writer.writeTextLine(itemText(puzzle.clue) + ", " + itemText(puzzle.answer));
    return writer.content();
}

} // namespace hangman
