// The screen's resolution, which turns designed twips into pixels.
#pragma once

#include "ui/Twips.h"

namespace quorvane {

// Dots per inch of the screen (LOGPIXELSX), read once; 96 when unknown.
int ScreenDpi();

inline int ScreenTwipsToPixels(int twips) { return TwipsToPixels(twips, ScreenDpi()); }
inline int ScreenPixelsToTwips(int pixels) { return PixelsToTwips(pixels, ScreenDpi()); }
inline PixelRect ScreenPixels(const TwipsRect& place) { return ToPixels(place, ScreenDpi()); }

}  // namespace quorvane
