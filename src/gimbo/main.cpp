#include "gimbo.h"
#include "shared/eventloop.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Gimbo");
    gimbo::Gimbo form;
    form.Form_Load();
    form.show();
    return shared::runEventLoop(app);
}
