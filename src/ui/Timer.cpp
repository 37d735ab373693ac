#include "ui/Timer.h"

#include "ui/Form.h"
#include "ui/SkipNested.h"

namespace quorvane {

Timer::Timer(Form& form, ControlName name, UINT intervalMs, bool enabled)
    : Control(form, ControlKind::Timer, std::move(name)), id_(form.NextTimerId()), interval_(intervalMs) {
  if (!enabled) SetEnabled(false);
}

Timer::~Timer() { Disarm(); }

void Timer::CreateControlWindow(HWND parent, int) {
  window_ = parent;
  Rearm();
}

void Timer::SetInterval(UINT intervalMs) {
  interval_ = intervalMs;
  Rearm();
}

void Timer::Rearm() {
  Disarm();
  if (!window_ || !IsWindow(window_) || !Enabled() || interval_ == 0) return;
  if (SetTimer(window_, id_, interval_, nullptr)) armedOn_ = window_;
}

void Timer::Disarm() {
  if (armedOn_) KillTimer(armedOn_, id_);
  armedOn_ = nullptr;
}

void Timer::Fire() {
  RunUnlessRunning(ticking_, [this] { Tick.Raise(*this); });
}

}  // namespace quorvane
