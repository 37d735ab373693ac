// One running copy of the main window. The first copy to start the window mode
// holds a named mutex and keeps a hidden window that answers "come back"; a later
// start of the window mode asks that copy to come to the front and ends.
#pragma once

#include <windows.h>

#include <functional>

#include "common/UniqueHandle.h"
#include "ui/Window.h"

namespace quorvane {

class RunningCopy : private Window {
 public:
  // What the running copy does when asked to come back: shows its main window
  // and returns it, so the caller can give it the foreground.
  using ComeBack = std::function<HWND()>;

  RunningCopy() = default;
  ~RunningCopy() override = default;

  // True when no other copy runs the window mode: this process is now the one.
  // False when another copy runs it and has been asked to come to the front
  // (or did not answer within the wait): this start ends.
  bool Claim();

  // From now on a later start brings this copy back through `comeBack`.
  void Answer(ComeBack comeBack);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  KernelHandle mutex_;
  ComeBack comeBack_;
};

}  // namespace quorvane
