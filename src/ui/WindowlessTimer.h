// A timer that needs no window: the work that runs from start-up (the pinger's
// tick, the alarm's check, the charts' samples) ticks on the interface thread
// whether or not a window shows it. Ticks come through the thread's message
// loop (a WM_TIMER without a window), so every loop of the thread, a message
// box's included, delivers them.
#pragma once

#include <windows.h>

#include <functional>

namespace quorvane {

class WindowlessTimer {
 public:
  explicit WindowlessTimer(std::function<void()> tick) : tick_(std::move(tick)) {}
  ~WindowlessTimer() { Stop(); }
  WindowlessTimer(const WindowlessTimer&) = delete;
  WindowlessTimer& operator=(const WindowlessTimer&) = delete;

  // Ticks every intervalMs from now on (a running timer starts counting afresh);
  // 0 stops it.
  void Start(UINT intervalMs);
  void Stop();
  bool Running() const { return id_ != 0; }
  UINT Interval() const { return interval_; }

  // Runs the tick now, as a tick would. A tick that comes while the previous
  // one still runs (it handled pending messages) is skipped, not nested.
  void Fire();

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);

  std::function<void()> tick_;
  UINT_PTR id_ = 0;
  UINT interval_ = 0;
  bool ticking_ = false;
};

}  // namespace quorvane
