// Owners of GDI handles and device contexts: each frees its handle once, cannot
// be copied, and (but for the device contexts) can be moved.
#pragma once

#include <windows.h>

#include <utility>

#include "common/UniqueHandle.h"

namespace quorvane {

// A pen, brush, font, bitmap or region, deleted with DeleteObject.
template <typename GdiHandle>
struct GdiObjectTraits {
  using Handle = GdiHandle;
  static Handle None() { return nullptr; }
  static void Free(Handle handle) { DeleteObject(handle); }
};
template <typename Handle>
using GdiObject = UniqueHandle<GdiObjectTraits<Handle>>;

using ScopedBrush = GdiObject<HBRUSH>;
using ScopedPen = GdiObject<HPEN>;
using ScopedFont = GdiObject<HFONT>;
using ScopedBitmap = GdiObject<HBITMAP>;
using ScopedRegion = GdiObject<HRGN>;

// An icon made by the program (CreateIconIndirect, CopyImage), freed with DestroyIcon.
struct IconTraits {
  using Handle = HICON;
  static Handle None() { return nullptr; }
  static void Free(Handle icon) { DestroyIcon(icon); }
};
using ScopedIcon = UniqueHandle<IconTraits>;

// Selects an object into a device context and puts the previous one back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;
  ~ScopedSelect() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A memory device context compatible with another, deleted at the end.
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  ~MemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A window's device context for a moment (GetDC / ReleaseDC); no window is the screen.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// The screen's device context for a moment.
class ScreenDC : public WindowDC {
 public:
  ScreenDC() : WindowDC(nullptr) {}
};

}  // namespace quorvane
