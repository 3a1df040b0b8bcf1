// helpview FILE [--window normal|maximized|minimized|hidden]
// The help viewer the games start for their help files, read from the working directory.
#include "helpwindow.h"
#include "platform/desktop.h"
#include "platform/filenames.h"
#include "platform/windowoption.h"
#include "shared/eventloop.h"
#include "shared/files.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::setUpDesktop(app);
    QApplication::setApplicationName("Help");
    QStringList arguments = QApplication::arguments().mid(1);
    const QString windowStyle = platform::takeWindowOption(arguments);
    if (arguments.isEmpty()) {
        QMessageBox::warning(nullptr, "Help", "No help file was named.");
        return 1;
    }
    const QString fileName = arguments.constFirst();
    QString problem;
    const std::optional<QByteArray> text = shared::readFile(
        platform::resolveFileName(fileName), shared::limit::DataFile, &problem, "help file");
    if (!text) {
        QMessageBox::warning(
            nullptr, "Help",
            QString("The help file %1 cannot be opened in %2. %3")
                .arg(fileName, QDir::toNativeSeparators(QDir::currentPath()), problem));
        return 1;
    }
    helpview::HelpWindow window(fileName, QString::fromUtf8(*text));
    platform::showInStyle(window, windowStyle);
    return shared::runEventLoop(app);
}
