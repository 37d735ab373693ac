#include "ui/DibSection.h"

#include <algorithm>

namespace quorvane {

DibSection::DibSection(int width, int height) {
  if (width <= 0 || height <= 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_ || !bits) {
    bitmap_.reset();
    return;
  }
  bits_ = static_cast<uint32_t*>(bits);
  width_ = width;
  height_ = height;
}

ScopedBitmap DibSection::Release() {
  bits_ = nullptr;
  width_ = height_ = 0;
  return std::move(bitmap_);
}

void DibSection::Fill(uint32_t pixel) {
  if (bits_) std::fill(bits_, bits_ + static_cast<size_t>(width_) * height_, pixel);
}

const uint32_t* DibPixels(HBITMAP bitmap, int* width, int* height) {
  DIBSECTION section{};
  if (!bitmap || GetObjectA(bitmap, sizeof section, &section) != sizeof section) return nullptr;
  const BITMAP& info = section.dsBm;
  // Read as DibSection lays them out: 32 bits, top-down.
  if (info.bmBitsPixel != 32 || !info.bmBits) return nullptr;
  *width = info.bmWidth;
  *height = info.bmHeight;
  return static_cast<const uint32_t*>(info.bmBits);
}

}  // namespace quorvane
