// A bare window with a menu bar that reports when it is first shown, like the games do
// when QUIBLAX_REPORT_SHOWN is set; the yardstick for tools/startup-bench.sh.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu("&Game")->addAction("E&xit", &app, &QApplication::quit);
    window.menuBar()->addMenu("&Help")->addAction("&About");
    window.resize(390, 322);
    window.show();
    QTimer::singleShot(0, &app, [] {
        std::puts("shown");
        std::fflush(stdout);
        if (qEnvironmentVariableIsSet("QUIBLAX_EXIT_WHEN_SHOWN"))
            QApplication::quit();
    });
    return app.exec();
}
