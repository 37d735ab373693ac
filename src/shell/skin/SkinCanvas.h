// An off-screen picture of one control, painted with anti-aliased rounded shapes
// and gradients (pixel by pixel in a 32-bit bitmap) and with GDI text, then copied
// to the window in one go.
#pragma once

#include <windows.h>

#include <optional>

#include "shell/skin/SkinDefinition.h"
#include "ui/DibSection.h"
#include "ui/ScopedGdi.h"

namespace quorvane {

inline COLORREF ToColorref(const SkinColour& colour) { return RGB(colour.r, colour.g, colour.b); }

// `a` mixed with `b`: 0 gives a, 1 gives b.
COLORREF MixColours(COLORREF a, COLORREF b, double amount);

class SkinCanvas {
 public:
  SkinCanvas(HDC compatibleWith, int width, int height);
  SkinCanvas(const SkinCanvas&) = delete;
  SkinCanvas& operator=(const SkinCanvas&) = delete;
  ~SkinCanvas();

  // False when the system had no memory for the bitmap.
  bool Valid() const { return pixels_ != nullptr; }
  // For GDI text; select fonts here.
  HDC Dc() const { return dc_.get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }

  void Clear(COLORREF colour);
  // A rounded rectangle filled with a top-to-bottom gradient inside a border ring
  // `borderWidth` pixels wide (no border: the fill reaches the edge).
  void FillRoundRect(const RECT& rect, double radius, COLORREF top, COLORREF bottom, std::optional<COLORREF> border,
                     int borderWidth);
  // The ring alone, over what is already there.
  void StrokeRoundRect(const RECT& rect, double radius, COLORREF colour, int width);
  void StrokeLine(double x0, double y0, double x1, double y1, double width, COLORREF colour);

  // Copies the picture to `target` at (x, y).
  void CopyTo(HDC target, int x, int y) const;

  COLORREF PixelAt(int x, int y) const;

 private:
  void Blend(int x, int y, COLORREF colour, double coverage);

  int width_;
  int height_;
  MemoryDC dc_;
  DibSection dib_;
  HGDIOBJ previousBitmap_ = nullptr;
  DWORD* pixels_ = nullptr;  // top-down rows, 0x00RRGGBB
};

}  // namespace quorvane
