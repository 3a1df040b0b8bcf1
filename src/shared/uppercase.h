#pragma once

#include <QString>

namespace shared {

// Text upper-cased character by character, as the single-byte files can hold it: a letter
// whose capital is no single-byte character (such as "ß" or "ÿ") stays as it is.
QString upperCase(const QString& text);

} // namespace shared
