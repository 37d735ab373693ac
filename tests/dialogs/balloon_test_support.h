// Helpers for driving the balloon window: its modal calls block, so the test's
// steps run from a thread timer inside the modal loop and press buttons, tick
// check boxes and type as a user would, by messages to the real windows.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "dialogs/msgFrm.h"
#include "ui/Control.h"
#include "ui/MessageLoop.h"
#include "ui/Screen.h"

namespace testing {

// Steps that run one after another, `delayMs` apart, from whatever message loop
// runs then (the modal box's). A watchdog hides the box after a few seconds, so
// that steps that failed to end the modal call end the test instead of hanging it.
class WhileModal {
 public:
  explicit WhileModal(std::function<void()> step, UINT delayMs = 40) : WhileModal(Steps{std::move(step)}, delayMs) {}
  using Steps = std::deque<std::function<void()>>;
  explicit WhileModal(Steps steps, UINT delayMs = 40) {
    steps_ = std::move(steps);
    rescued_ = false;
    stepTimer_ = SetTimer(nullptr, 0, delayMs, &WhileModal::RunStep);
    watchdog_ = SetTimer(nullptr, 0, 4000, &WhileModal::Rescue);
  }
  ~WhileModal() {
    KillTimer(nullptr, stepTimer_);
    KillTimer(nullptr, watchdog_);
    steps_.clear();
  }
  WhileModal(const WhileModal&) = delete;
  WhileModal& operator=(const WhileModal&) = delete;

  static bool Rescued() { return rescued_; }

 private:
  static void CALLBACK RunStep(HWND, UINT, UINT_PTR id, DWORD) {
    if (id != stepTimer_ || running_) return;
    if (steps_.empty()) {
      KillTimer(nullptr, id);
      return;
    }
    auto step = std::move(steps_.front());
    steps_.pop_front();
    running_ = true;
    step();
    running_ = false;
  }
  static void CALLBACK Rescue(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    rescued_ = true;
    quorvane::MessageBalloon().Hide();
  }

  static inline Steps steps_;
  static inline UINT_PTR stepTimer_ = 0;
  static inline UINT_PTR watchdog_ = 0;
  static inline bool running_ = false;
  static inline bool rescued_ = false;
};

inline quorvane::Control& BalloonControl(const char* name, int index = quorvane::kNoIndex) {
  quorvane::Control* control = quorvane::MessageBalloon().FindControl(name, index);
  if (!control) throw std::runtime_error(std::string("no control ") + name);
  return *control;
}

inline HWND BalloonWindow() { return quorvane::MessageBalloon().hWnd(); }

inline void Click(const char* name, int index = quorvane::kNoIndex) { BalloonControl(name, index).Send(BM_CLICK); }

inline bool Shown(const char* name, int index = quorvane::kNoIndex) {
  HWND hwnd = BalloonControl(name, index).hWnd();
  return hwnd && IsWindowVisible(hwnd);
}

inline std::string TextOf(const char* name, int index = quorvane::kNoIndex) {
  char text[512] = {};
  GetWindowTextA(BalloonControl(name, index).hWnd(), text, sizeof text);
  return text;
}

// A control's place on its page in twips, as the window shows it.
inline quorvane::TwipsRect PlaceTwips(const char* name, int index = quorvane::kNoIndex) {
  quorvane::PixelRect pixels = BalloonControl(name, index).PixelBounds();
  using quorvane::ScreenPixelsToTwips;
  return {ScreenPixelsToTwips(pixels.left), ScreenPixelsToTwips(pixels.top), ScreenPixelsToTwips(pixels.width),
          ScreenPixelsToTwips(pixels.height)};
}

inline RECT BalloonScreenRect() {
  RECT bounds{};
  GetWindowRect(BalloonWindow(), &bounds);
  return bounds;
}

inline SIZE ScreenSize() {
  HDC screen = GetDC(nullptr);
  SIZE size{GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES)};
  ReleaseDC(nullptr, screen);
  return size;
}

// Whether the window's region holds the point (window coordinates).
inline bool RegionHolds(HWND window, int x, int y) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  bool holds = GetWindowRgn(window, region) != ERROR && PtInRegion(region, x, y);
  DeleteObject(region);
  return holds;
}

// A pixel as a window shows it now.
inline COLORREF PixelOf(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

// Every pixel of a window's client area as it is drawn now, row by row.
inline std::vector<COLORREF> PixelsOf(HWND window) {
  UpdateWindow(window);
  RECT client{};
  GetClientRect(window, &client);
  std::vector<COLORREF> pixels;
  HDC dc = GetDC(window);
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x) pixels.push_back(GetPixel(dc, x, y));
  ReleaseDC(window, dc);
  return pixels;
}

// Closes an open notice and lets the window go.
inline void CloseBalloon() {
  if (BalloonWindow()) SendMessageA(BalloonWindow(), WM_CLOSE, 0, 0);
  quorvane::DoEvents();
}

}  // namespace testing
