#pragma once

class QApplication;

namespace platform {

// Enter presses the command button that has the focus, in every window of the program, as
// Space does; the toolkit's own buttons take Enter in dialogs only.
void enterPressesFocusedButtons(QApplication& app);

} // namespace platform
