#include "nibbolet.h"
#include "platform/desktop.h"
#include "shared/eventloop.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::setUpDesktop(app);
    QApplication::setApplicationName("Nibbolet");
    nibbolet::Nibbolet form;
    form.Form_Load();
    form.show();
    return shared::runEventLoop(app);
}
