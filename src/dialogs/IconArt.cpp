#include "dialogs/IconArt.h"

#include <cmath>
#include <vector>

#include "ui/ScopedGdi.h"

namespace quorvane {

namespace {

// Coordinates below are on the 128-unit canvas (four units to the final pixel).
static_assert(kArtCanvas == 128, "the drawings are laid out on a 128-unit canvas");

constexpr COLORREF kWhite = RGB(255, 255, 255);

COLORREF Mix(COLORREF a, COLORREF b, double t) {
  auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
             channel(GetBValue(a), GetBValue(b)));
}

// Fills the region with colours running from `top` at its upper edge to `bottom` at its lower.
void FillGradient(HDC dc, HRGN region, COLORREF top, COLORREF bottom) {
  RECT box;
  GetRgnBox(region, &box);
  SelectClipRgn(dc, region);
  const int height = box.bottom - box.top;
  for (int y = box.top; y < box.bottom; ++y) {
    ScopedBrush brush(CreateSolidBrush(Mix(top, bottom, height > 1 ? double(y - box.top) / (height - 1) : 0)));
    RECT row{box.left, y, box.right, y + 1};
    FillRect(dc, &row, brush.get());
  }
  SelectClipRgn(dc, nullptr);
}

// A one-pixel rim (four canvas units) inside the region's edge.
void Rim(HDC dc, HRGN region, COLORREF colour) {
  ScopedBrush brush(CreateSolidBrush(colour));
  FrameRgn(dc, region, brush.get(), kArtScale, kArtScale);
}

struct Palette {
  COLORREF light, dark, rim;
};

// A round badge: a top-lit gradient, a soft gloss over its upper half, a rim.
void Badge(HDC dc, const Palette& colours) {
  ScopedRegion disc(CreateEllipticRgn(6, 6, 123, 123));
  FillGradient(dc, disc.get(), colours.light, colours.dark);
  ScopedRegion gloss(CreateEllipticRgn(22, 10, 107, 70));
  CombineRgn(gloss.get(), gloss.get(), disc.get(), RGN_AND);
  FillGradient(dc, gloss.get(), Mix(colours.light, kWhite, 0.55), Mix(colours.light, kWhite, 0.08));
  Rim(dc, disc.get(), colours.rim);
}

void Strokes(HDC dc, const std::vector<std::vector<POINT>>& lines, int width, COLORREF colour, int dy = 0) {
  ScopedPen pen(CreatePen(PS_SOLID, width, colour));  // wide pens have round ends and joins
  ScopedSelect selected(dc, pen.get());
  for (const auto& line : lines) {
    std::vector<POINT> moved(line);
    for (POINT& p : moved) p.y += dy;
    Polyline(dc, moved.data(), static_cast<int>(moved.size()));
  }
}

void Dot(HDC dc, int cx, int cy, int r, COLORREF colour) {
  ScopedBrush brush(CreateSolidBrush(colour));
  ScopedRegion dot(CreateEllipticRgn(cx - r, cy - r, cx + r + 1, cy + r + 1));
  FillRgn(dc, dot.get(), brush.get());
}

void Bar(HDC dc, int left, int top, int right, int bottom, int round, COLORREF colour) {
  ScopedBrush brush(CreateSolidBrush(colour));
  ScopedRegion bar(CreateRoundRectRgn(left, top, right, bottom, round, round));
  FillRgn(dc, bar.get(), brush.get());
}

// A white glyph with a faint shadow a pixel below it, drawn by `glyph(colour, dy)`.
template <typename Glyph>
void Embossed(COLORREF badgeDark, Glyph glyph) {
  glyph(Mix(badgeDark, RGB(0, 0, 0), 0.35), kArtScale);
  glyph(kWhite, 0);
}

void Cross(HDC dc, int from, int to, int width, COLORREF colour, int shift = 0) {
  Strokes(dc, {{{from + shift, from + shift}, {to + shift, to + shift}}, {{to + shift, from + shift}, {from + shift, to + shift}}},
          width, colour);
}

const Palette kRed{RGB(246, 110, 92), RGB(196, 30, 22), RGB(142, 22, 16)};
const Palette kBlue{RGB(104, 166, 240), RGB(26, 86, 196), RGB(18, 60, 146)};
const Palette kGreen{RGB(112, 206, 106), RGB(34, 142, 50), RGB(22, 100, 34)};
const Palette kSlate{RGB(134, 158, 186), RGB(62, 86, 118), RGB(42, 58, 84)};
const Palette kTeal{RGB(96, 200, 206), RGB(18, 124, 146), RGB(12, 88, 104)};

void Critical(HDC dc) {
  Badge(dc, kRed);
  Embossed(kRed.dark, [&](COLORREF c, int dy) { Strokes(dc, {{{45, 45}, {83, 83}}, {{83, 45}, {45, 83}}}, 15, c, dy); });
}

void Information(HDC dc) {
  Badge(dc, kBlue);
  Embossed(kBlue.dark, [&](COLORREF c, int dy) {
    Dot(dc, 64, 35 + dy, 9, c);
    Bar(dc, 55, 51 + dy, 74, 101 + dy, 9, c);
  });
}

void Question(HDC dc) {
  Badge(dc, kBlue);
  // The hook: an arc over the top from the left, curling down into the stem.
  std::vector<POINT> hook;
  constexpr double kPi = 3.14159265358979;
  for (int degrees = 165; degrees >= -55; degrees -= 11) {
    double a = degrees * kPi / 180;
    hook.push_back({static_cast<LONG>(std::lround(64 + 20 * std::cos(a))),
                    static_cast<LONG>(std::lround(47 - 19 * std::sin(a)))});
  }
  hook.push_back({65, 72});
  hook.push_back({65, 77});
  Embossed(kBlue.dark, [&](COLORREF c, int dy) {
    Strokes(dc, {hook}, 14, c, dy);
    Dot(dc, 65, 96 + dy, 9, c);
  });
}

// The warning sign: an amber triangle with rounded corners and a dark mark.
void Exclamation(HDC dc) {
  const POINT corners[3] = {{64, 18}, {114, 106}, {14, 106}};
  constexpr int kRound = 10;
  ScopedRegion sign(CreatePolygonRgn(corners, 3, ALTERNATE));
  for (int i = 0; i < 3; ++i) {
    const POINT a = corners[i], b = corners[(i + 1) % 3];
    ScopedRegion corner(CreateEllipticRgn(a.x - kRound, a.y - kRound, a.x + kRound + 1, a.y + kRound + 1));
    CombineRgn(sign.get(), sign.get(), corner.get(), RGN_OR);
    // The edge pushed outward by the rounding: the triangle runs clockwise on
    // the screen, so its outward normal is (dy, -dx).
    double dx = b.x - a.x, dy = b.y - a.y, length = std::sqrt(dx * dx + dy * dy);
    LONG nx = std::lround(dy / length * kRound), ny = std::lround(-dx / length * kRound);
    const POINT band[4] = {a, b, {b.x + nx, b.y + ny}, {a.x + nx, a.y + ny}};
    ScopedRegion edge(CreatePolygonRgn(band, 4, ALTERNATE));
    CombineRgn(sign.get(), sign.get(), edge.get(), RGN_OR);
  }
  FillGradient(dc, sign.get(), RGB(255, 226, 118), RGB(244, 164, 26));
  Rim(dc, sign.get(), RGB(186, 112, 0));
  const COLORREF mark = RGB(70, 44, 0);
  ScopedBrush brush(CreateSolidBrush(mark));
  const POINT stroke[4] = {{57, 42}, {71, 42}, {68, 82}, {60, 82}};
  ScopedRegion body(CreatePolygonRgn(stroke, 4, ALTERNATE));
  ScopedRegion top(CreateEllipticRgn(57, 36, 72, 50));
  CombineRgn(body.get(), body.get(), top.get(), RGN_OR);
  FillRgn(dc, body.get(), brush.get());
  Dot(dc, 64, 94, 7, mark);
}

void Done(HDC dc) {
  Badge(dc, kGreen);
  Embossed(kGreen.dark, [&](COLORREF c, int dy) { Strokes(dc, {{{38, 66}, {56, 84}, {90, 46}}}, 15, c, dy); });
}

void Clock(HDC dc) {
  Badge(dc, kSlate);
  ScopedRegion face(CreateEllipticRgn(26, 26, 103, 103));
  FillGradient(dc, face.get(), RGB(255, 255, 255), RGB(226, 232, 240));
  Rim(dc, face.get(), kSlate.rim);
  const COLORREF ink = RGB(40, 52, 70);
  for (int hour = 0; hour < 12; hour += 3) {
    double a = hour * 3.14159265358979 / 6;
    int x = static_cast<int>(std::lround(64 + 30 * std::sin(a))), y = static_cast<int>(std::lround(64 - 30 * std::cos(a)));
    Dot(dc, x, y, 3, ink);
  }
  Strokes(dc, {{{64, 64}, {64, 40}}, {{64, 64}, {82, 74}}}, 7, ink);
  Dot(dc, 64, 64, 6, RGB(200, 40, 30));
}

void Network(HDC dc) {
  Badge(dc, kTeal);
  ScopedRegion globe(CreateEllipticRgn(26, 26, 103, 103));
  SelectClipRgn(dc, globe.get());
  {
    ScopedPen pen(CreatePen(PS_SOLID, 5, kWhite));
    ScopedSelect selectedPen(dc, pen.get());
    ScopedSelect noFill(dc, GetStockObject(NULL_BRUSH));
    Ellipse(dc, 28, 28, 101, 101);
    Ellipse(dc, 46, 28, 83, 101);
    const POINT meridian[2] = {{64, 26}, {64, 103}};
    Polyline(dc, meridian, 2);
    for (int y : {46, 64, 82}) {
      const POINT parallel[2] = {{20, y}, {108, y}};
      Polyline(dc, parallel, 2);
    }
  }
  SelectClipRgn(dc, nullptr);
}

// The close image: a small grey cross; hot and pressed put it on a red tile.
void Close(HDC dc, int tile) {
  if (tile == kTileCloseNormal) {
    Cross(dc, 48, 80, 10, RGB(96, 96, 96));
    return;
  }
  const bool pressed = tile == kTileClosePressed;
  ScopedRegion button(CreateRoundRectRgn(26, 26, 103, 103, 24, 24));
  if (pressed)
    FillGradient(dc, button.get(), RGB(170, 40, 30), RGB(196, 58, 44));
  else
    FillGradient(dc, button.get(), RGB(244, 118, 100), RGB(210, 52, 38));
  Rim(dc, button.get(), pressed ? RGB(120, 24, 18) : RGB(160, 36, 26));
  Cross(dc, 49, 79, 10, kWhite, pressed ? kArtScale / 2 : 0);
}

}  // namespace

void DrawTileArt(HDC dc, int tile) {
  switch (tile) {
    case kTileCritical: Critical(dc); break;
    case kTileExclamation: Exclamation(dc); break;
    case kTileInformation: Information(dc); break;
    case kTileQuestion: Question(dc); break;
    case kTileDone: Done(dc); break;
    case kTileClock: Clock(dc); break;
    case kTileNetwork: Network(dc); break;
    case kTileCloseNormal:
    case kTileCloseHot:
    case kTileClosePressed: Close(dc, tile); break;
    default: break;
  }
}

}  // namespace quorvane
