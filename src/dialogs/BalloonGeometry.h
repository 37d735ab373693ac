// The geometry and the flag rules of the balloon-shaped message box: where the
// window goes for an anchor, the body, pointer and shadow shapes, the buttons a
// flag set asks for and where they sit. Pure functions, no <windows.h>.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvane {

struct BalloonPoint {
  int x = 0, y = 0;
  bool operator==(const BalloonPoint&) const = default;
};

struct BalloonRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const BalloonRect&) const = default;
};

// Pointer styles by the anchor's quarter of the screen; 0 draws no pointer.
enum PointerStyle : int {
  kNoPointer = 0,
  kPointerBottomRight = 1,
  kPointerTopRight = 2,
  kPointerBottomLeft = 3,
  kPointerTopLeft = 4,
};

struct BalloonPlacement {
  PointerStyle style = kNoPointer;
  BalloonPoint windowTopLeft;  // pixels
};

// Left means x <= width / 2, top means y <= height / 2; the pointer's tip lands on
// the anchor, 42 pixels in from the window's side.
BalloonPlacement GetPointerStyle(BalloonPoint anchor, int screenWidth, int screenHeight, int windowWidth,
                                 int windowHeight);

// The triangle of a pointer style in a window of width w and height h; empty for 0.
std::vector<BalloonPoint> PointerTriangle(PointerStyle style, int w, int h);

// The body: a dark rim (20 x 20 corners) and the face inside it (24 x 24 corners).
struct RoundedRect {
  BalloonRect rect;
  int ellipseWidth = 0, ellipseHeight = 0;
  bool operator==(const RoundedRect&) const = default;
};
RoundedRect BodyRim(int w, int h);
RoundedRect BodyFace(int w, int h);
RoundedRect ShadowShape(int w, int h);

// One line of the painted shadow: the pixels from (x1, y1) to (x2, y2) inclusive,
// each colour channel of the screen beneath multiplied by factor / 256.
struct ShadowLine {
  int x1, y1, x2, y2;
  int factor;
};
// Rows and columns for n = 17 down to 0; innermost darkest. lightness is 0..75.
std::vector<ShadowLine> ShadowLines(int w, int h, int lightness);

// The shadow's lightness as the lines use it: 0 to 75, so that a factor (at most
// 180 + 75) stays within a byte; values outside are brought to the nearer end.
int ClampShadowLightness(int lightness);

// The automatic box's display time in milliseconds for nTime seconds; 0 leaves
// the box open until it is closed, as does a negative time.
unsigned AutoCloseIntervalMs(int seconds);

// The darkened channel of a screen pixel.
inline uint8_t ShadeChannel(uint8_t channel, int factor) { return static_cast<uint8_t>(channel * factor / 256); }

// Buttons of a flag set: captions from the left and the code each returns.
struct BalloonButton {
  std::string caption;
  int code = 0;
  bool operator==(const BalloonButton&) const = default;
};
// Flags & 7: 0 OK, 1 OK Cancel, 2 Abort Retry Ignore, 3 Yes No Cancel, 4 Yes No,
// 5 Retry Cancel, 6 the custom texts (a button for each non-empty one, up to the
// last), 7 OK. Custom buttons return their position 1..3; an empty custom text
// before a later one leaves an invisible button (empty caption, code 0).
std::vector<BalloonButton> ButtonsForFlags(uint32_t flags, const std::string& custom1 = "",
                                           const std::string& custom2 = "", const std::string& custom3 = "");

// The icon tile of flags & 0x70 (0 for none): 16 critical 1, 32 question 4,
// 48 exclamation 2, 64 information 3, 80/96/112 tiles 5, 6, 7.
int IconTileForFlags(uint32_t flags);

// The button that gets the focus, 1..3, or 0 for none (flags & 0x300 of 768).
int DefaultButtonForFlags(uint32_t flags);

// Left edges (twips) of the visible buttons, laid out by their count on a page of
// the given width; the middle of three is centred, and 1815 twips is its designed
// left edge.
std::vector<int> ButtonLefts(int count, int pageWidthTwips, int buttonWidthTwips);

constexpr int kMiddleButtonDesignLeft = 1815;
constexpr uint32_t kDefaultBalloonColour = 0xCCFFFF;  // RGB(255, 255, 204) as COLORREF

// Codes of the standard buttons.
enum BalloonResult : int { kResultOk = 1, kResultCancel = 2, kResultAbort = 3, kResultRetry = 4,
                           kResultIgnore = 5, kResultYes = 6, kResultNo = 7 };
constexpr int kCheckedBonus = 100;

}  // namespace quorvane
