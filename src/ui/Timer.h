// A timer control: an interval in milliseconds and an enabled state, ticking on
// its form's window while the form is loaded, whether it is shown or not. An
// interval of 0 stops it, as does disabling it.
#pragma once

#include "ui/Control.h"

namespace quorvane {

class Timer : public Control {
 public:
  Timer(Form& form, ControlName name, UINT intervalMs = 0, bool enabled = true);
  ~Timer() override;

  UINT Interval() const { return interval_; }
  // A new interval starts counting afresh.
  void SetInterval(UINT intervalMs);
  // Ticking on the window now: loaded, enabled and a non-zero interval.
  bool Running() const { return armedOn_ != nullptr; }

  // The handler of each tick (the form's tmrName_Timer).
  Event<> Tick;
  // Raises Tick now, as a tick would. A tick that comes while the handler still
  // runs (it processed pending messages) is skipped rather than nested.
  void Fire();

 private:
  friend class Form;
  UINT_PTR TimerId() const { return id_; }
  void OnTick() { Fire(); }
  void CreateControlWindow(HWND parent, int id) override;
  void AfterDestroy() override {
    Disarm();
    window_ = nullptr;
  }
  void OnEnabledChanged() override { Rearm(); }
  void Rearm();
  void Disarm();

  UINT_PTR id_;
  UINT interval_;
  HWND window_ = nullptr;   // the form's window, once loaded
  HWND armedOn_ = nullptr;  // where SetTimer is in force
  bool ticking_ = false;
};

}  // namespace quorvane
