#include "desktop.h"
#include "buttonkeys.h"
#include "titlebar.h"

namespace platform {

void setUpDesktop(QApplication& app) {
    enterPressesFocusedButtons(app);
    announceFrames(app);
}

} // namespace platform
