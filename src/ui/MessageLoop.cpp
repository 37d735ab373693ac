#include "ui/MessageLoop.h"

#include <windows.h>

#include "ui/Window.h"

namespace quorvane {

namespace {

// The dialog manager moves the focus between the controls of the top-level
// window the message is for, hosted forms and frames included.
bool HandledAsDialogKey(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || !message.hwnd) return false;
  HWND root = TopLevelWindowOf(message.hwnd);
  return root && IsDialogMessageA(root, &message);
}

void Dispatch(MSG& message) {
  if (HandledAsDialogKey(message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

}  // namespace

int RunMessageLoop() {
  MSG message;
  for (;;) {
    BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got < 0) return -1;
    Dispatch(message);
  }
}

void DoEvents() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Dispatch(message);
  }
}

}  // namespace quorvane
