#include "fonts.h"

namespace platform {

QFont mappedFont(const QString& faceName, double pointSize, bool bold) {
    QFont font;
    const QString face = faceName.toLower();
    if (face.contains("sans serif") || face == "arial" || face == "helv" || face == "system")
        font.setStyleHint(QFont::SansSerif);
    else if (face.contains("serif") || face.contains("roman"))
        font.setStyleHint(QFont::Serif);
    else if (face.contains("courier"))
        font.setStyleHint(QFont::Monospace);
    else
        font.setStyleHint(QFont::SansSerif);
    font.setFamily(font.defaultFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace platform
