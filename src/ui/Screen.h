// The screen's resolution, which turns designed twips into pixels.
#pragma once

#include "ui/Twips.h"

namespace quorvane {

// Dots per inch the windows are laid out at: the screen's (LOGPIXELSX, 96 when
// unknown), or fewer once FitLayoutToWorkArea found the screen too small.
int ScreenDpi();

// Lowers the dots per inch, where needed, until a window of that size fits the
// work area (SPI_GETWORKAREA), so every window, control and font shrinks alike.
void FitLayoutToWorkArea(TwipsSize windowSize);

inline int ScreenTwipsToPixels(int twips) { return TwipsToPixels(twips, ScreenDpi()); }
inline int ScreenPixelsToTwips(int pixels) { return PixelsToTwips(pixels, ScreenDpi()); }
inline PixelRect ScreenPixels(const TwipsRect& place) { return ToPixels(place, ScreenDpi()); }

}  // namespace quorvane
