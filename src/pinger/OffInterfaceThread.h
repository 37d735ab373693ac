// Runs blocking work (a name lookup, an echo) on a worker thread while the
// interface thread keeps handling its window messages, so windows repaint,
// move and answer during a time-out of seconds; returns when the work is done.
#pragma once

#include <cstdint>
#include <functional>

namespace quorvane {

// Handlers of the messages handled meanwhile may run anything, a second call
// of this included: callers that must not nest keep their own guard. When the
// program is asked to quit meanwhile, messages are left for the main loop and
// the call just waits for the work. Work whose thread cannot start runs here.
void RunOffInterfaceThread(const std::function<void()>& work);

// Waits, handling no messages, for the work of every RunOffInterfaceThread
// under way on this thread's stack to end; true when it all ended within the
// time. For the program's end, which may come from a handler run during the
// wait: the process then ends with no worker inside a lookup or an echo.
bool WaitForOffInterfaceWork(uint32_t timeoutMs);

}  // namespace quorvane
