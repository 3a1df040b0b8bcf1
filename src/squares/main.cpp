#include "form1.h"
#include "platform/desktop.h"
#include "shared/eventloop.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::setUpDesktop(app);
    QApplication::setApplicationName("Squares");
    squares::Form1 form;
    form.Form_Load();
    form.show();
    return shared::runEventLoop(app);
}
