#include "uppercase.h"

namespace shared {

QString upperCase(const QString& text) {
    QString upper = text;
    for (QChar& c : upper) {
        const QChar capital = c.toUpper();
        if (capital.unicode() <= 0xFF)
            c = capital;
    }
    return upper;
}

} // namespace shared
