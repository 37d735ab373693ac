// A 32-bit top-down device-independent bitmap whose pixels the program reads and
// writes directly: 0xAARRGGBB, row after row.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

#include "ui/ScopedGdi.h"

namespace quorvane {

class DibSection {
 public:
  DibSection() = default;
  DibSection(int width, int height);
  DibSection(DibSection&& other) noexcept { *this = std::move(other); }
  DibSection& operator=(DibSection&& other) noexcept {
    if (this == &other) return *this;
    bitmap_ = std::move(other.bitmap_);
    bits_ = std::exchange(other.bits_, nullptr);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    return *this;
  }

  explicit operator bool() const { return bits_ != nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  HBITMAP Bitmap() const { return bitmap_.get(); }
  // Hands the bitmap over (to a picture box); the pixels are no longer reachable here.
  ScopedBitmap Release();

  uint32_t* Row(int y) { return bits_ + static_cast<size_t>(y) * width_; }
  const uint32_t* Row(int y) const { return bits_ + static_cast<size_t>(y) * width_; }
  uint32_t& At(int x, int y) { return Row(y)[x]; }
  uint32_t At(int x, int y) const { return Row(y)[x]; }
  void Fill(uint32_t pixel);

 private:
  ScopedBitmap bitmap_;
  uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// The pixels of a bitmap that a DibSection made and handed over (a picture's
// bitmap); nullptr for any bitmap that is not a 32-bit DIB section.
const uint32_t* DibPixels(HBITMAP bitmap, int* width, int* height);

inline uint32_t PixelFromColour(COLORREF colour) {
  return (static_cast<uint32_t>(GetRValue(colour)) << 16) | (static_cast<uint32_t>(GetGValue(colour)) << 8) |
         GetBValue(colour);
}
inline COLORREF ColourFromPixel(uint32_t pixel) {
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace quorvane
