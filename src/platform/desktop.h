#pragma once

class QApplication;

namespace platform {

// What every program does on a desktop, set up once at its start before any window shows:
// Enter presses the focused command button, and each window tells the window manager its
// title-bar buttons.
void setUpDesktop(QApplication& app);

} // namespace platform
