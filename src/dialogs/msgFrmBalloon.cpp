// msgFrm: the balloon's shape, its shadow, and moving it.
#include <cstdlib>

#include "dialogs/BalloonShape.h"
#include "dialogs/msgFrm.h"

namespace quorvane {

namespace {

SIZE WindowSize(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

}  // namespace

void msgFrm::DrawBalloon(bool noPointer, int x, int y, int lightness) {
  const SIZE size = WindowSize(hWnd());
  POINT anchor{x, y};
  if (x == 0 || y == 0) GetCursorPos(&anchor);
  int screenWidth = 0, screenHeight = 0;
  {
    ScreenDC screen;
    screenWidth = GetDeviceCaps(screen.get(), HORZRES);
    screenHeight = GetDeviceCaps(screen.get(), VERTRES);
  }
  // Without a pointer the window still sits where the pointer's tip would point.
  const BalloonPlacement placement =
      GetPointerStyle({anchor.x, anchor.y}, screenWidth, screenHeight, size.cx, size.cy);
  pointerStyle_ = noPointer ? kNoPointer : placement.style;
  const RECT place{placement.windowTopLeft.x, placement.windowTopLeft.y, placement.windowTopLeft.x + size.cx,
                   placement.windowTopLeft.y + size.cy};
  TakeShadowFrom(place, lightness);
  MovePixels({place.left, place.top, size.cx, size.cy});
  // The window owns the region from here and frees the previous one.
  SetWindowRgn(hWnd(), MakeBalloonRegion(size.cx, size.cy, pointerStyle_).release(), TRUE);
  InvalidateRect(hWnd(), nullptr, FALSE);
}

void msgFrm::TakeShadowFrom(const RECT& screenRect, int lightness) {
  ScreenPatch fresh = CaptureScreen(screenRect);
  if (Visible()) {
    // Where the window shows now, the screen has its own pixels; the last
    // reading still knows what lies beneath them.
    RECT now{};
    GetWindowRect(hWnd(), &now);
    ScopedRegion own(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(hWnd(), own.get()) == ERROR) own.reset(CreateRectRgn(0, 0, now.right - now.left, now.bottom - now.top));
    OffsetRgn(own.get(), now.left, now.top);
    RestoreCoveredPixels(fresh, beneath_, own.get());
  }
  beneath_ = std::move(fresh);
  shadowImage_ = PaintShadowImage(beneath_, lightness);
}

void msgFrm::n_RefreshShadow(int lightness) {
  if (!hWnd()) return;
  RECT now{};
  GetWindowRect(hWnd(), &now);
  pointerStyle_ = kNoPointer;  // a moved box no longer points at its anchor
  TakeShadowFrom(now, lightness);
  SetWindowRgn(hWnd(), MakeBodyAndShadowRegion(now.right - now.left, now.bottom - now.top).release(), TRUE);
  InvalidateRect(hWnd(), nullptr, FALSE);
}

void msgFrm::Form_Paint(HDC dc, const RECT& client) {
  if (shadowImage_) {
    MemoryDC source(dc);
    ScopedSelect selected(source.get(), shadowImage_.Bitmap());
    BitBlt(dc, 0, 0, shadowImage_.Width(), shadowImage_.Height(), source.get(), 0, 0, SRCCOPY);
  }
  PaintBalloonBody(dc, client.right, client.bottom, pointerStyle_, backColour_);
}

void msgFrm::Form_MouseDown(const MouseEventArgs& args) {
  if (args.button == kLeftButton) DragBalloon();
}

void msgFrm::DragOnMove(const MouseEventArgs& args) {
  if (args.button & kLeftButton) DragBalloon();
}

void msgFrm::DragBalloon() {
  HWND self = hWnd();
  if (!self || dragging_ || pageAuto_.Visible()) return;
  dragging_ = true;
  // The shadow and the pointer belong to the old place: the window moves as the
  // body alone, its border closed where the pointer joined it.
  const SIZE size = WindowSize(self);
  pointerStyle_ = kNoPointer;
  SetWindowRgn(self, MakeBodyRegion(size.cx, size.cy).release(), TRUE);
  InvalidateRect(self, nullptr, FALSE);
  UpdateWindow(self);
  // The system moves the window as by its caption until the button is released.
  ReleaseCapture();
  POINT cursor{};
  GetCursorPos(&cursor);
  SendMessageA(self, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(static_cast<WORD>(cursor.x), static_cast<WORD>(cursor.y)));
  dragging_ = false;
  if (hWnd() != self) return;  // unloaded while it moved
  n_RefreshShadow(ClampShadowLightness(std::atoi(tag_.c_str())));
}

}  // namespace quorvane
