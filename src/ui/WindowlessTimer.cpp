#include "ui/WindowlessTimer.h"

#include <map>

#include "ui/SkipNested.h"

namespace quorvane {

namespace {

// Windows names a window-less timer by the id it chose; the tick finds its object here.
std::map<UINT_PTR, WindowlessTimer*>& RunningTimers() {
  static std::map<UINT_PTR, WindowlessTimer*> timers;
  return timers;
}

}  // namespace

void WindowlessTimer::Start(UINT intervalMs) {
  Stop();
  interval_ = intervalMs;
  if (intervalMs == 0) return;
  id_ = SetTimer(nullptr, 0, intervalMs, &WindowlessTimer::OnTimer);
  if (id_) RunningTimers()[id_] = this;
}

void WindowlessTimer::Stop() {
  if (!id_) return;
  KillTimer(nullptr, id_);
  RunningTimers().erase(id_);
  id_ = 0;
}

void WindowlessTimer::Fire() {
  RunUnlessRunning(ticking_, [this] {
    if (tick_) tick_();
  });
}

void CALLBACK WindowlessTimer::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  const auto found = RunningTimers().find(id);
  if (found != RunningTimers().end()) found->second->Fire();
}

}  // namespace quorvane
