#include "common/DoEvents.h"

#include <windows.h>

namespace quorvane {

namespace {

// One round; false when a quit request was met (and put back).
bool DispatchWaitingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The main loop has to see it, or the program would never end.
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return true;
}

}  // namespace

void DoEvents() { DispatchWaitingMessages(); }

void DoEvents(int rounds) {
  for (int i = 0; i < rounds; ++i)
    if (!DispatchWaitingMessages()) return;
}

}  // namespace quorvane
