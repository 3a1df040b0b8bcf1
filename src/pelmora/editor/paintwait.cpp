#include "paintwait.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace pelmora::editor {

bool waitUntil(const std::function<bool()>& done, int pollMs, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (timeoutMs >= 0 && clock.elapsed() >= timeoutMs)
            return false;
        // Events run while the loop sleeps until the next ask; nothing spins.
        QEventLoop loop;
        QTimer::singleShot(pollMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

} // namespace pelmora::editor
