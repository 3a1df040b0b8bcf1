#pragma once

#include "shared/textfile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <variant>

// Puzzle sets (.hng): a title line, a line with the count and the number of the puzzle played
// last (0 before the first), then one "clue, answer" line per puzzle.
namespace hangman {

inline constexpr int MaxAnswerLength = 31; // one answer slot per character
inline constexpr int MaxEditorEntries = 256;

struct Puzzle {
    QString clue;
    QString answer;
    bool operator==(const Puzzle&) const = default;
};

struct PuzzleSet {
    QString title;
    int position = 0; // the puzzle played last, from 1; 0 before the first
    QList<Puzzle> puzzles;
    shared::TextEncoding encoding = shared::TextEncoding::SingleByte; // the file's, kept
    bool operator==(const PuzzleSet&) const = default;
};

// The set read item by item (an item ends at a comma or a line end), or the reason it
// cannot be played.
std::variant<PuzzleSet, QString> parsePuzzleSet(const QByteArray& content);

// The position of the next puzzle: one on, back to 1 past the last.
int nextPosition(int position, int count);

// The set as the game rewrites it: line 2 " 12,  3".
QByteArray gameContent(const PuzzleSet& set);
// The set as the editor saves it: line 2 " 12, 0", texts as typed, in the encoding of the set
// the editor loaded.
QByteArray editorContent(const QString& title, const QList<Puzzle>& puzzles,
                         shared::TextEncoding encoding = shared::TextEncoding::SingleByte);

// An item as written to a set: in double quotes when it holds a comma or begins with a quote.
QString itemText(const QString& item);
// Whether the item reads back as written: a quoted item cannot hold a double quote.
bool canBeWritten(const QString& item);

} // namespace hangman
