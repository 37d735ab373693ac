// A hidden window that counts the messages it is sent, to see whether a
// blocking call lets pending window messages through.
#pragma once

#include <windows.h>

namespace testing {

class CountingWindow {
 public:
  static constexpr UINT kCountedMessage = WM_APP + 17;

  CountingWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &CountingWindow::Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "QuorvaneCountingWindow";
    RegisterClassA(&windowClass);  // fails harmlessly when already registered
    handle_ = CreateWindowExA(0, windowClass.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                              nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~CountingWindow() { DestroyWindow(handle_); }
  CountingWindow(const CountingWindow&) = delete;
  CountingWindow& operator=(const CountingWindow&) = delete;

  HWND handle() const { return handle_; }
  int received() const { return received_; }
  void Post() { PostMessageA(handle_, kCountedMessage, 0, 0); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kCountedMessage) {
      auto* self = reinterpret_cast<CountingWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
      if (self) ++self->received_;
      return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }

  HWND handle_ = nullptr;
  int received_ = 0;
};

}  // namespace testing
