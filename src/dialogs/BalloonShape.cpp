#include "dialogs/BalloonShape.h"

#include <algorithm>

namespace quorvane {

namespace {

ScopedRegion RoundRectRegion(const RoundedRect& shape) {
  return ScopedRegion(CreateRoundRectRgn(shape.rect.left, shape.rect.top, shape.rect.right, shape.rect.bottom,
                                         shape.ellipseWidth, shape.ellipseHeight));
}

void Unite(ScopedRegion& into, const ScopedRegion& other) {
  if (into && other) CombineRgn(into.get(), into.get(), other.get(), RGN_OR);
}

}  // namespace

ScopedRegion MakeBodyRegion(int width, int height) { return RoundRectRegion(BodyRim(width, height)); }

ScopedRegion MakeShadowRegion(int width, int height) { return RoundRectRegion(ShadowShape(width, height)); }

ScopedRegion MakePointerRegion(PointerStyle style, int width, int height) {
  std::vector<BalloonPoint> corners = PointerTriangle(style, width, height);
  if (corners.empty()) return {};
  std::vector<POINT> points;
  for (const BalloonPoint& p : corners) points.push_back({p.x, p.y});
  return ScopedRegion(CreatePolygonRgn(points.data(), static_cast<int>(points.size()), ALTERNATE));
}

ScopedRegion MakeBalloonRegion(int width, int height, PointerStyle style) {
  ScopedRegion shape = MakeBodyAndShadowRegion(width, height);
  Unite(shape, MakePointerRegion(style, width, height));
  return shape;
}

ScopedRegion MakeBodyAndShadowRegion(int width, int height) {
  ScopedRegion shape = MakeBodyRegion(width, height);
  Unite(shape, MakeShadowRegion(width, height));
  return shape;
}

void PaintBalloonBody(HDC dc, int width, int height, PointerStyle style, COLORREF background) {
  ScopedBrush rim(CreateSolidBrush(kBalloonRimColour));
  ScopedBrush face(CreateSolidBrush(background));
  ScopedRegion body = MakeBodyRegion(width, height);
  FillRgn(dc, body.get(), rim.get());
  const RoundedRect inner = BodyFace(width, height);
  {
    ScopedPen pen(CreatePen(PS_SOLID, 1, kBalloonRimColour));
    ScopedSelect selectedPen(dc, pen.get());
    ScopedSelect selectedBrush(dc, face.get());
    RoundRect(dc, inner.rect.left, inner.rect.top, inner.rect.right, inner.rect.bottom, inner.ellipseWidth,
              inner.ellipseHeight);
  }

  ScopedRegion pointer = MakePointerRegion(style, width, height);
  if (!pointer) return;
  FillRgn(dc, pointer.get(), face.get());
  FrameRgn(dc, pointer.get(), rim.get(), 1, 1);
  // Open the join: the body's border line and the pointer's base line give way
  // across the base (its first two corners), short of the two sides.
  const std::vector<BalloonPoint> corners = PointerTriangle(style, width, height);
  const bool below = style == kPointerBottomRight || style == kPointerBottomLeft;
  const int borderY = below ? inner.rect.bottom - 1 : inner.rect.top;
  const int left = std::min(corners[0].x, corners[1].x), right = std::max(corners[0].x, corners[1].x);
  ScopedRegion inside = MakeBodyRegion(width, height);
  Unite(inside, pointer);
  SelectClipRgn(dc, inside.get());
  RECT join{left + 3, borderY - 1, right - 4, borderY + 2};
  FillRect(dc, &join, face.get());
  SelectClipRgn(dc, nullptr);
}

}  // namespace quorvane
