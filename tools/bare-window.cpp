// A bare window with a menu bar, built like the games: the yardstick for
// tools/startup-bench.sh.
#include "shared/eventloop.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu("&Game")->addAction("E&xit", &app, &QApplication::quit);
    window.menuBar()->addMenu("&Help")->addAction("&About");
    window.resize(390, 322);
    window.show();
    return shared::runEventLoop(app);
}
