// helpview FILE [--window normal|maximized|minimized|hidden]
// The help viewer the games start for their help files, read from the working directory.
#include "helpwindow.h"
#include "shared/eventloop.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Help");
    QStringList arguments = QApplication::arguments().mid(1);
    QString windowStyle = "normal";
    const qsizetype windowAt = arguments.indexOf("--window");
    if (windowAt >= 0) {
        windowStyle = arguments.value(windowAt + 1, windowStyle);
        arguments.remove(windowAt, std::min<qsizetype>(2, arguments.size() - windowAt));
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
    if (windowStyle == "maximized")
        window.showMaximized();
    else if (windowStyle == "minimized")
        window.showMinimized();
    else if (windowStyle != "hidden")
        window.show();
    window.activateWindow();
    return shared::runEventLoop(app);
}
