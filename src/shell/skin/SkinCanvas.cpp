#include "shell/skin/SkinCanvas.h"

#include <algorithm>
#include <cmath>

namespace quorvane {

namespace {

double Clamp01(double value) { return value < 0 ? 0 : value > 1 ? 1 : value; }

// Not std::hypot: that is an import of the C runtime, this compiles to one instruction.
double Length(double x, double y) { return std::sqrt(x * x + y * y); }

// Signed distance from a point to a rounded box (negative inside).
double RoundBoxDistance(double px, double py, const RECT& rect, double radius) {
  double halfWidth = (rect.right - rect.left) / 2.0;
  double halfHeight = (rect.bottom - rect.top) / 2.0;
  radius = std::min({radius, halfWidth, halfHeight});
  double qx = std::fabs(px - (rect.left + halfWidth)) - (halfWidth - radius);
  double qy = std::fabs(py - (rect.top + halfHeight)) - (halfHeight - radius);
  double outside = Length(std::max(qx, 0.0), std::max(qy, 0.0));
  double inside = std::min(std::max(qx, qy), 0.0);
  return outside + inside - radius;
}

int MixChannel(int a, int b, double amount) { return static_cast<int>(std::lround(a + (b - a) * amount)); }

}  // namespace

COLORREF MixColours(COLORREF a, COLORREF b, double amount) {
  amount = Clamp01(amount);
  return RGB(MixChannel(GetRValue(a), GetRValue(b), amount), MixChannel(GetGValue(a), GetGValue(b), amount),
             MixChannel(GetBValue(a), GetBValue(b), amount));
}

SkinCanvas::SkinCanvas(HDC compatibleWith, int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), dc_(compatibleWith) {
  if (!dc_.get() || width_ == 0 || height_ == 0) return;
  dib_ = DibSection(width_, height_);
  if (!dib_) return;
  previousBitmap_ = SelectObject(dc_.get(), dib_.Bitmap());
  pixels_ = reinterpret_cast<DWORD*>(dib_.Row(0));
}

SkinCanvas::~SkinCanvas() {
  if (previousBitmap_) SelectObject(dc_.get(), previousBitmap_);
}

void SkinCanvas::Clear(COLORREF colour) {
  if (!pixels_) return;
  GdiFlush();
  DWORD value = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  std::fill(pixels_, pixels_ + static_cast<size_t>(width_) * height_, value);
}

COLORREF SkinCanvas::PixelAt(int x, int y) const {
  if (!pixels_ || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  GdiFlush();
  DWORD value = pixels_[static_cast<size_t>(y) * width_ + x];
  return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

void SkinCanvas::Blend(int x, int y, COLORREF colour, double coverage) {
  if (coverage <= 0 || x < 0 || y < 0 || x >= width_ || y >= height_) return;
  DWORD& pixel = pixels_[static_cast<size_t>(y) * width_ + x];
  COLORREF under = RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  COLORREF mixed = MixColours(under, colour, coverage);
  pixel = (GetRValue(mixed) << 16) | (GetGValue(mixed) << 8) | GetBValue(mixed);
}

void SkinCanvas::FillRoundRect(const RECT& rect, double radius, COLORREF top, COLORREF bottom,
                               std::optional<COLORREF> border, int borderWidth) {
  if (!pixels_ || rect.right <= rect.left || rect.bottom <= rect.top) return;
  GdiFlush();
  const int height = rect.bottom - rect.top;
  const int ring = border ? std::max(borderWidth, 0) : 0;
  for (int y = std::max<int>(rect.top, 0); y < std::min<int>(rect.bottom, height_); ++y) {
    COLORREF fill = MixColours(top, bottom, height > 1 ? double(y - rect.top) / (height - 1) : 0.0);
    for (int x = std::max<int>(rect.left, 0); x < std::min<int>(rect.right, width_); ++x) {
      double distance = RoundBoxDistance(x + 0.5, y + 0.5, rect, radius);
      double outer = Clamp01(0.5 - distance);
      if (outer <= 0) continue;
      double inner = ring > 0 ? Clamp01(0.5 - (distance + ring)) : outer;
      if (ring > 0) Blend(x, y, *border, outer);
      Blend(x, y, fill, inner);
    }
  }
}

void SkinCanvas::StrokeRoundRect(const RECT& rect, double radius, COLORREF colour, int width) {
  if (!pixels_ || width <= 0 || rect.right <= rect.left || rect.bottom <= rect.top) return;
  GdiFlush();
  for (int y = std::max<int>(rect.top, 0); y < std::min<int>(rect.bottom, height_); ++y)
    for (int x = std::max<int>(rect.left, 0); x < std::min<int>(rect.right, width_); ++x) {
      double distance = RoundBoxDistance(x + 0.5, y + 0.5, rect, radius);
      Blend(x, y, colour, Clamp01(0.5 - distance) - Clamp01(0.5 - (distance + width)));
    }
}

void SkinCanvas::StrokeLine(double x0, double y0, double x1, double y1, double width, COLORREF colour) {
  if (!pixels_) return;
  GdiFlush();
  const double half = width / 2;
  const double dx = x1 - x0, dy = y1 - y0;
  const double lengthSquared = dx * dx + dy * dy;
  int left = static_cast<int>(std::floor(std::min(x0, x1) - half - 1));
  int right = static_cast<int>(std::ceil(std::max(x0, x1) + half + 1));
  int topRow = static_cast<int>(std::floor(std::min(y0, y1) - half - 1));
  int bottomRow = static_cast<int>(std::ceil(std::max(y0, y1) + half + 1));
  for (int y = std::max(topRow, 0); y < std::min(bottomRow, height_); ++y)
    for (int x = std::max(left, 0); x < std::min(right, width_); ++x) {
      double px = x + 0.5, py = y + 0.5;
      double t = lengthSquared > 0 ? Clamp01(((px - x0) * dx + (py - y0) * dy) / lengthSquared) : 0;
      double distance = Length(px - (x0 + t * dx), py - (y0 + t * dy));
      Blend(x, y, colour, Clamp01(half + 0.5 - distance));
    }
}

void SkinCanvas::CopyTo(HDC target, int x, int y) const {
  if (!pixels_) return;
  GdiFlush();
  BitBlt(target, x, y, width_, height_, dc_.get(), 0, 0, SRCCOPY);
}

}  // namespace quorvane
