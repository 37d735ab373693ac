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

  // True when no other copy runs the window mode: this process is now the one;
  // also when the name is held by another program (the window answering is not
  // this program file's) or by nothing that answers: the person is told, and this
  // copy starts anyway. False when another copy of this program runs it and has
  // been asked to come to the front: this start ends.
  bool Claim();

  // From now on a later start brings this copy back through `comeBack`.
  void Answer(ComeBack comeBack);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  KernelHandle mutex_;
  ComeBack comeBack_;
};

// Marks this process as a running Quorvane for the installer and uninstaller, in
// every session (the global namespace where Windows has one), until it ends.
void MarkRunning();

}  // namespace quorvane
