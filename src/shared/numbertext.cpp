#include "numbertext.h"

#include <cctype>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace shared {

namespace {

bool isBlank(QChar c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Collects the longest number at the start of the text (blanks dropped) in the form
// [sign] digits [. digits] [E|D [sign] digits]; returns how many characters of the
// blank-free text it used.
qsizetype scanNumber(QStringView text, std::string& out) {
    std::string compact;
    for (QChar c : text)
        if (!isBlank(c))
            compact.push_back(c.unicode() < 128 ? char(c.unicode()) : '?');
    size_t i = 0;
    auto digits = [&] {
        size_t from = i;
        while (i < compact.size() && compact[i] >= '0' && compact[i] <= '9')
            ++i;
        return i - from;
    };
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-'))
        ++i;
    size_t mantissa = digits();
    if (i < compact.size() && compact[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return 0;
    size_t end = i;
    if (i < compact.size() &&
        (compact[i] == 'E' || compact[i] == 'e' || compact[i] == 'D' || compact[i] == 'd')) {
        ++i;
        if (i < compact.size() && (compact[i] == '+' || compact[i] == '-'))
            ++i;
        if (digits() > 0)
            end = i;
    }
    out = compact.substr(0, end);
    for (char& c : out)
        if (c == 'D' || c == 'd')
            c = 'E';
    return qsizetype(end);
}

} // namespace

QString numberText(qint64 value) {
    return value < 0 ? QString::number(value) : ' ' + QString::number(value);
}

QString decimalNumberText(double value) {
    if (value == 0)
        return " 0"; // minus zero too
    char digits[64];
    const auto result = std::to_chars(digits, digits + sizeof digits, std::fabs(value),
                                      std::chars_format::general, 15);
    std::string text(digits, result.ptr);
    for (char& c : text)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    if (text.starts_with("0."))
        text.erase(0, 1);
    // Exponents have at least two digits: 1E+15, 1E-07.
    if (const size_t e = text.find('E'); e != std::string::npos && text.size() - e == 3)
        text.insert(e + 2, 1, '0');
    return (value < 0 ? "-" : " ") + QString::fromLatin1(text);
}

double textToNumber(QStringView text) {
    std::string number;
    if (scanNumber(text, number) == 0)
        return 0.0;
    // Read in the C locale: the games' numbers always use a decimal point, whatever the
    // player's locale. strtod gives HUGE_VAL (an infinity) beyond the range of a double.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(number.c_str(), nullptr, cLocale);
}

bool isNumberItem(QStringView text) {
    // Blanks are skipped wherever they stand, between digits too: " 2 5 5 " is 255.
    qsizetype nonBlank = 0;
    for (QChar c : text)
        if (!isBlank(c))
            ++nonBlank;
    std::string number;
    return nonBlank > 0 && scanNumber(text, number) == nonBlank;
}

QString itemForMessage(QStringView item) {
    constexpr qsizetype Shown = 20;
    const QStringView text = item.trimmed();
    return text.size() <= Shown ? text.toString() : text.left(Shown - 1).toString() + QChar(0x2026);
}

QString trimBlanks(const QString& text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text.at(from) == ' ')
        ++from;
    while (to > from && text.at(to - 1) == ' ')
        --to;
    return text.mid(from, to - from);
}

} // namespace shared
