#include "eventloop.h"

#include <QApplication>
#include <QTimer>

namespace shared {

int runEventLoop(QApplication& app) {
    if (qEnvironmentVariableIsSet("QUIBLAX_EXIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}

} // namespace shared
