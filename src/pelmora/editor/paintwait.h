#pragma once

#include <functional>

namespace pelmora::editor {

// Lets the pending events run, asking done() about every pollMs, until it answers true.
// Gives up and answers false once timeoutMs have passed (a negative timeout waits without end).
bool waitUntil(const std::function<bool()>& done, int pollMs, int timeoutMs);

} // namespace pelmora::editor
