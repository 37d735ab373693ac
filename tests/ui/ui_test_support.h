// Helpers for tests that drive real windows of the control layer by messages.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/MessageLoop.h"

namespace testing {

// Handles waiting messages until the condition holds or the time is up.
template <typename Condition>
bool PumpUntil(Condition condition, DWORD timeoutMs = 3000) {
  DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return false;
    quorvane::DoEvents();
    Sleep(1);
  }
  return true;
}

// Shows a form without activating it. Under Xvfb without a window manager,
// Wine waits two seconds whenever it takes down a window it handed to the
// window manager; a window without a caption that was never active stays its own.
inline void ShowQuietly(quorvane::Form& form) {
  form.Load();
  ShowWindow(form.hWnd(), SW_SHOWNA);
}

inline std::string WindowTextOf(HWND hwnd) {
  char text[1024] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

inline LONG_PTR StyleOf(HWND hwnd) { return GetWindowLongPtrA(hwnd, GWL_STYLE); }

// Sends a key press and release to a window, as a typing user would.
inline void PressKey(HWND hwnd, WPARAM key) {
  SendMessageA(hwnd, WM_KEYDOWN, key, 1);
  SendMessageA(hwnd, WM_KEYUP, key, 0xC0000001);
}

// Types characters into a window.
inline void TypeText(HWND hwnd, const std::string& text) {
  for (char c : text) SendMessageA(hwnd, WM_CHAR, static_cast<unsigned char>(c), 1);
}

}  // namespace testing
