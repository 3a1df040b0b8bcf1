#pragma once

class QApplication;

namespace shared {

// Runs the program's event loop. For start-up measurements, QUIBLAX_EXIT_WHEN_SHOWN makes
// the program end as soon as its first window has been shown and painted.
int runEventLoop(QApplication& app);

} // namespace shared
