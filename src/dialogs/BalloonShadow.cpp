#include "dialogs/BalloonShadow.h"

#include <algorithm>
#include <cstring>

#include "dialogs/BalloonGeometry.h"

namespace quorvane {

ScreenPatch CaptureScreen(const RECT& screenRect) {
  ScreenPatch patch;
  const int width = screenRect.right - screenRect.left, height = screenRect.bottom - screenRect.top;
  DibSection copy(width, height);
  ScreenDC screen;
  MemoryDC dc(screen.get());
  if (!copy || !screen.get() || !dc.get()) return patch;
  {
    // One read of the whole rectangle; a pixel at a time would ask the display
    // server thousands of times.
    ScopedSelect selected(dc.get(), copy.Bitmap());
    if (!BitBlt(dc.get(), 0, 0, width, height, screen.get(), screenRect.left, screenRect.top, SRCCOPY)) return patch;
    GdiFlush();
  }
  patch.screenRect = screenRect;
  patch.pixels.resize(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    const uint32_t* row = copy.Row(y);
    std::transform(row, row + width, patch.pixels.begin() + static_cast<size_t>(y) * width,
                   [](uint32_t pixel) { return pixel & 0x00FFFFFF; });
  }
  return patch;
}

void RestoreCoveredPixels(ScreenPatch& fresh, const ScreenPatch& earlier, HRGN ownRegion) {
  if (fresh.Empty() || earlier.Empty() || !ownRegion) return;
  RECT overlap;
  if (!IntersectRect(&overlap, &fresh.screenRect, &earlier.screenRect)) return;
  for (int y = overlap.top; y < overlap.bottom; ++y)
    for (int x = overlap.left; x < overlap.right; ++x)
      if (PtInRegion(ownRegion, x, y)) fresh.AtScreen(x, y) = earlier.AtScreen(x, y);
}

DibSection PaintShadowImage(const ScreenPatch& beneath, int lightness) {
  const int width = beneath.Width(), height = beneath.Height();
  DibSection image(width, height);
  if (!image || beneath.Empty()) return image;
  for (int y = 0; y < height; ++y)
    std::memcpy(image.Row(y), beneath.pixels.data() + static_cast<size_t>(y) * width, width * sizeof(uint32_t));
  auto shade = [&image](int x, int y, int factor, uint32_t pixel) {
    image.At(x, y) = (static_cast<uint32_t>(ShadeChannel((pixel >> 16) & 0xFF, factor)) << 16) |
                     (static_cast<uint32_t>(ShadeChannel((pixel >> 8) & 0xFF, factor)) << 8) |
                     ShadeChannel(pixel & 0xFF, factor);
  };
  for (const ShadowLine& line : ShadowLines(width, height, lightness)) {
    // Rows and columns only; each point takes the unshaded pixel, so where a row
    // meets a column nothing darkens twice.
    for (int y = std::max(line.y1, 0); y <= std::min(line.y2, height - 1); ++y)
      for (int x = std::max(line.x1, 0); x <= std::min(line.x2, width - 1); ++x)
        shade(x, y, line.factor, beneath.pixels[static_cast<size_t>(y) * width + x]);
  }
  return image;
}

}  // namespace quorvane
