#include "windowoption.h"

#include <QWidget>
#include <algorithm>

namespace platform {

QString takeWindowOption(QStringList& arguments) {
    const qsizetype at = arguments.indexOf("--window");
    if (at < 0)
        return "normal";
    const QString style = arguments.value(at + 1, "normal");
    arguments.remove(at, std::min<qsizetype>(2, arguments.size() - at));
    return style;
}

void showInStyle(QWidget& window, const QString& style) {
    if (style == "maximized")
        window.showMaximized();
    else if (style == "minimized")
        window.showMinimized();
    else if (style != "hidden")
        window.show();
    window.activateWindow();
}

} // namespace platform
