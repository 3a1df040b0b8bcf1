// paint FILE [--window normal|maximized|minimized|hidden]
// The small paint program the Pelmora puzzle editor hands its pictures to. A file that does not
// exist yet starts as a blank picture and is created by Save.
#include "paintwindow.h"
#include "platform/desktop.h"
#include "platform/windowoption.h"
#include "shared/bitmapfile.h"
#include "shared/eventloop.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::setUpDesktop(app);
    QApplication::setApplicationName("Paint");
    QStringList arguments = QApplication::arguments().mid(1);
    const QString windowStyle = platform::takeWindowOption(arguments);
    const QString path = arguments.value(0, "untitled.bmp");
    QImage picture(359, 353, QImage::Format_RGB32);
    picture.fill(Qt::white);
    if (QFileInfo::exists(path)) {
        QString problem;
        const std::optional<QImage> read = shared::readPicture(path, &problem);
        if (!read) {
            QMessageBox::warning(nullptr, "Paint",
                                 QString("The picture %1 cannot be opened. %2").arg(path, problem));
            return 1;
        }
        picture = *read;
    }
    paint::PaintWindow window(path, picture);
    platform::showInStyle(window, windowStyle);
    return shared::runEventLoop(app);
}
