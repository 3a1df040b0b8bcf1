// helpview FILE [--style normal|maximized|minimized|hidden]
// The help viewer the games start for their help files, read from the working directory.
#include "helpwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Help");
    QStringList arguments = QApplication::arguments().mid(1);
    QString style = "normal";
    const qsizetype styleAt = arguments.indexOf("--style");
    if (styleAt >= 0) {
        style = arguments.value(styleAt + 1, style);
        arguments.remove(styleAt, std::min<qsizetype>(2, arguments.size() - styleAt));
    }
    if (arguments.isEmpty()) {
        QMessageBox::warning(nullptr, "Help", "No help file was named.");
        return 1;
    }
    const QString fileName = arguments.constFirst();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(nullptr, "Help",
                             QString("The help file %1 cannot be opened in %2.")
                                 .arg(fileName, QDir::toNativeSeparators(QDir::currentPath())));
        return 1;
    }
    helpview::HelpWindow window(fileName, QString::fromUtf8(file.readAll()));
    if (style == "maximized")
        window.showMaximized();
    else if (style == "minimized")
        window.showMinimized();
    else if (style != "hidden")
        window.show();
    window.activateWindow();
    return app.exec();
}
