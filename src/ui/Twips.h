// Positions and sizes are designed in twips (1440 to the inch); the screen's
// dots per inch turn them into pixels: 15 twips to the pixel at 96 dpi.
// No <windows.h> here, so the arithmetic also builds with the host compiler.
#pragma once

namespace quorvane {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;

// Rounds to the nearest pixel, halves away from zero, so that a negative
// position (a control placed partly outside its container) mirrors a positive one.
constexpr long long RoundTwipsToPixels(long long twips, int dpi) {
  long long scaled = twips * dpi;
  long long half = kTwipsPerInch / 2;
  return scaled >= 0 ? (scaled + half) / kTwipsPerInch : -((-scaled + half) / kTwipsPerInch);
}

constexpr int TwipsToPixels(int twips, int dpi = kDefaultDpi) {
  return static_cast<int>(RoundTwipsToPixels(twips, dpi));
}

constexpr int PixelsToTwips(int pixels, int dpi = kDefaultDpi) {
  return dpi > 0 ? static_cast<int>(static_cast<long long>(pixels) * kTwipsPerInch / dpi) : 0;
}

// A length drawn in pixels at 96 dpi, grown to the same size in inches at `dpi`.
// Worked in 64 bits: the caller keeps the result itself within an int.
constexpr int ScaleDesignPixels(int pixels, int dpi) {
  return static_cast<int>(RoundTwipsToPixels(static_cast<long long>(pixels) * (kTwipsPerInch / kDefaultDpi), dpi));
}

// Twips per pixel as classic forms report them (Screen.TwipsPerPixelX).
constexpr int TwipsPerPixel(int dpi = kDefaultDpi) { return dpi > 0 ? kTwipsPerInch / dpi : 15; }

// A place in twips, relative to the client area of the container.
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct TwipsSize {
  int width = 0;
  int height = 0;
};

// A place in pixels, relative to the client area of the container.
struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

constexpr PixelRect ToPixels(const TwipsRect& place, int dpi = kDefaultDpi) {
  return {TwipsToPixels(place.left, dpi), TwipsToPixels(place.top, dpi), TwipsToPixels(place.width, dpi),
          TwipsToPixels(place.height, dpi)};
}

}  // namespace quorvane
