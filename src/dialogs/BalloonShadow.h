// The balloon's soft shadow is painted from what the screen shows beneath the
// window: the screen's pixels under the window's place are read once, and the
// shadow's rows and columns are those pixels darkened.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/DibSection.h"

namespace quorvane {

// The screen's pixels (0x00RRGGBB) in a rectangle of the screen.
struct ScreenPatch {
  RECT screenRect{};
  std::vector<uint32_t> pixels;

  bool Empty() const { return pixels.empty(); }
  int Width() const { return screenRect.right - screenRect.left; }
  int Height() const { return screenRect.bottom - screenRect.top; }
  bool Contains(int screenX, int screenY) const {
    return !Empty() && screenX >= screenRect.left && screenX < screenRect.right && screenY >= screenRect.top &&
           screenY < screenRect.bottom;
  }
  uint32_t AtScreen(int screenX, int screenY) const {
    return pixels[static_cast<size_t>(screenY - screenRect.top) * Width() + (screenX - screenRect.left)];
  }
  uint32_t& AtScreen(int screenX, int screenY) {
    return pixels[static_cast<size_t>(screenY - screenRect.top) * Width() + (screenX - screenRect.left)];
  }
};

// Reads the screen in the rectangle; empty when the screen cannot be read.
ScreenPatch CaptureScreen(const RECT& screenRect);

// A window that shows on the screen covers what is beneath it with its own
// pixels: inside `ownRegion` (screen coordinates), the pixels that the earlier
// patch holds replace the fresh ones, as they show what lay beneath it then.
void RestoreCoveredPixels(ScreenPatch& fresh, const ScreenPatch& earlier, HRGN ownRegion);

// The shadow for a window of the patch's size: every pixel of the shadow's lines
// (ShadowLines) the screen's pixel beneath, darkened by the line's factor; the
// other pixels the screen's pixel as it is.
DibSection PaintShadowImage(const ScreenPatch& beneath, int lightness);

}  // namespace quorvane
