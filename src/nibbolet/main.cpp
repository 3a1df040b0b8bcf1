#include "nibbolet.h"
#include "shared/eventloop.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Nibbolet");
    nibbolet::Nibbolet form;
    form.Form_Load();
    form.show();
    return shared::runEventLoop(app);
}
