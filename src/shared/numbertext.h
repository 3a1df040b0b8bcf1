#pragma once

#include <QString>
#include <QStringView>

namespace shared {

// A whole number as the games show it: a leading blank when not negative, "-" when negative.
QString numberText(qint64 value);

// Any number as the games show it: the same leading blank or "-", at most 15 significant
// digits, no zero before the point (" 2.5", " .5", "-.5"), and an exponent from 1E+15 up
// and below 1E-04 (" 1E+15", " 1.5E-07"). Whole numbers below 1E+15 read as numberText.
QString decimalNumberText(double value);

// Text to number: blanks are skipped wherever they stand; the number ends at the first
// character that cannot continue it; text with no number in front gives 0. A number too
// large for a double comes back as an infinity.
double textToNumber(QStringView text);

// Whether the text, its blanks skipped wherever they stand, is one number and nothing else.
bool isNumberItem(QStringView text);

// An item of a file as a message quotes it: as the file has it, without the blanks around it,
// and shortened when it is long, so a huge number shows its first digits, not "inf".
QString itemForMessage(QStringView item);

// Removes leading and trailing blanks (spaces only, as the games' files use them).
QString trimBlanks(const QString& text);

} // namespace shared
