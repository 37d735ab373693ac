// The balloon's window region and its outline: the body (a rounded rectangle
// with a thin dark rim), the pointer triangle and the shadow, from the pure
// shapes of BalloonGeometry.
#pragma once

#include <windows.h>

#include "dialogs/BalloonGeometry.h"
#include "ui/ScopedGdi.h"

namespace quorvane {

inline constexpr COLORREF kBalloonRimColour = RGB(70, 70, 70);

ScopedRegion MakeBodyRegion(int width, int height);
ScopedRegion MakeShadowRegion(int width, int height);
// Empty (nullptr) for kNoPointer.
ScopedRegion MakePointerRegion(PointerStyle style, int width, int height);
// Body, shadow and pointer united: the window's whole shape.
ScopedRegion MakeBalloonRegion(int width, int height, PointerStyle style);
// Body and shadow, without the pointer (after the box was moved).
ScopedRegion MakeBodyAndShadowRegion(int width, int height);

// Paints the body's rim and face in the background colour and the pointer,
// outlined like the body and open where it joins it.
void PaintBalloonBody(HDC dc, int width, int height, PointerStyle style, COLORREF background);

}  // namespace quorvane
