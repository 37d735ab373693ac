// The balloon's pictures: the icon strip drawn by the program and laid onto a
// page colour, and the shadow painted from a reading of the screen.
#include <doctest.h>

#include "dialogs/BalloonGeometry.h"
#include "dialogs/BalloonShadow.h"
#include "dialogs/IconStrip.h"
#include "ui/DibSection.h"

using namespace quorvane;

namespace {

int CoveredPixels(const uint32_t* strip, int stripWidth, int tile) {
  int covered = 0;
  for (int y = 0; y < kIconTileSize; ++y)
    for (int x = 0; x < kIconTileSize; ++x)
      if (strip[y * stripWidth + (tile - 1) * kIconTileSize + x] >> 24) ++covered;
  return covered;
}

COLORREF PixelAt(HBITMAP bitmap, int x, int y) {
  int width = 0, height = 0;
  const uint32_t* pixels = DibPixels(bitmap, &width, &height);
  REQUIRE(pixels);
  return ColourFromPixel(pixels[y * width + x]);
}

}  // namespace

TEST_CASE("the icon strip holds a picture at every tile number it uses, with smooth edges") {
  ScopedBitmap strip = MakeIconStrip();
  int width = 0, height = 0;
  const uint32_t* pixels = DibPixels(strip.get(), &width, &height);
  REQUIRE(pixels);
  CHECK(width == kIconStripTiles * kIconTileSize);
  CHECK(height == kIconTileSize);
  for (int tile : {1, 2, 3, 4, 5, 6, 7}) {
    CAPTURE(tile);
    CHECK(CoveredPixels(pixels, width, tile) > 400);  // a badge fills most of its tile
  }
  CHECK(CoveredPixels(pixels, width, 8) == 0);
  CHECK(CoveredPixels(pixels, width, kTileCloseNormal) > 20);
  CHECK(CoveredPixels(pixels, width, kTileCloseNormal) < 150);  // a small cross
  CHECK(CoveredPixels(pixels, width, kTileCloseHot) > 300);
  // Edges partly covered: neither fully in nor fully out somewhere on the round badge.
  int partial = 0;
  for (int x = 0; x < kIconTileSize; ++x) {
    const unsigned alpha = pixels[(kIconTileSize / 2) * width + x] >> 24;
    if (alpha > 0 && alpha < 255) ++partial;
  }
  CHECK(partial >= 2);

  SUBCASE("a tile laid onto a colour: the corners take it, the middle shows the picture") {
    const COLORREF page = RGB(255, 255, 204);
    ScopedBitmap critical = ComposeTile(strip.get(), kTileCritical, page, 32, 32);
    REQUIRE(critical);
    CHECK(PixelAt(critical.get(), 0, 0) == page);
    CHECK(PixelAt(critical.get(), 31, 31) == page);
    const COLORREF red = PixelAt(critical.get(), 8, 16);  // on the badge, off the cross
    CHECK(GetRValue(red) > GetGValue(red) + 80);
    const COLORREF cross = PixelAt(critical.get(), 16, 16);
    CHECK(GetGValue(cross) > 200);  // white

    ScopedBitmap onBlue = ComposeTile(strip.get(), kTileCritical, RGB(0, 0, 255), 32, 32);
    CHECK(PixelAt(onBlue.get(), 0, 0) == RGB(0, 0, 255));
    CHECK(PixelAt(onBlue.get(), 8, 16) == red);  // fully covered pixels do not depend on the page

    ScopedBitmap information = ComposeTile(strip.get(), kTileInformation, page, 32, 32);
    const COLORREF blue = PixelAt(information.get(), 8, 16);
    CHECK(GetBValue(blue) > GetRValue(blue) + 80);
  }

  SUBCASE("a tile centred in a smaller picture is cut evenly") {
    ScopedBitmap close = ComposeTile(strip.get(), kTileCloseHot, RGB(255, 255, 255), 20, 20);
    REQUIRE(close);
    const COLORREF middle = PixelAt(close.get(), 10, 4);  // above the cross, on the red tile
    CHECK(GetRValue(middle) > GetGValue(middle) + 60);
  }

  SUBCASE("tiles outside the strip give nothing") {
    CHECK_FALSE(ComposeTile(strip.get(), 0, 0, 32, 32));
    CHECK_FALSE(ComposeTile(strip.get(), 12, 0, 32, 32));
    CHECK_FALSE(ComposeTile(nullptr, 1, 0, 32, 32));
  }
}

TEST_CASE("the shadow image darkens only its lines, each from the pixel beneath") {
  ScreenPatch beneath;
  const int w = 120, h = 90;
  beneath.screenRect = {300, 200, 300 + w, 200 + h};
  beneath.pixels.resize(w * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) beneath.pixels[y * w + x] = PixelFromColour(RGB(x * 2, y * 2, 200));

  DibSection image = PaintShadowImage(beneath, 30);
  REQUIRE(image);
  auto expected = [&](int x, int y, int factor) {
    const uint32_t p = beneath.pixels[y * w + x];
    return PixelFromColour(RGB(ShadeChannel((p >> 16) & 0xFF, factor), ShadeChannel((p >> 8) & 0xFF, factor),
                               ShadeChannel(p & 0xFF, factor)));
  };
  CHECK(image.At(60, h - 23 - 17) == expected(60, h - 23 - 17, 20 + 30));  // innermost row
  CHECK(image.At(60, h - 23) == expected(60, h - 23, 180 + 30));           // outermost row
  CHECK(image.At(w - 5 - 4, 45) == expected(w - 5 - 4, 45, 140 + 30));     // a column
  // The corner where a row meets its column is darkened once.
  CHECK(image.At(w - 5 - 9, h - 23 - 9) == expected(w - 5 - 9, h - 23 - 9, 100 + 30));
  // Off the lines the screen shows through as it is.
  CHECK(image.At(30, 30) == beneath.pixels[30 * w + 30]);
  CHECK(image.At(2, h - 25) == beneath.pixels[(h - 25) * w + 2]);
}

TEST_CASE("a window's own pixels are replaced from the earlier reading of what lay beneath") {
  ScreenPatch earlier, fresh;
  earlier.screenRect = {100, 100, 140, 130};
  earlier.pixels.assign(40 * 30, 0x000000AA);
  fresh.screenRect = {120, 110, 160, 140};
  fresh.pixels.assign(40 * 30, 0x00BBBBBB);  // the window itself now shows here
  HRGN own = CreateRectRgn(110, 105, 135, 125);
  RestoreCoveredPixels(fresh, earlier, own);
  DeleteObject(own);
  CHECK(fresh.AtScreen(125, 115) == 0x000000AA);  // covered, and read before: restored
  CHECK(fresh.AtScreen(136, 115) == 0x00BBBBBB);  // outside the window's region
  CHECK(fresh.AtScreen(125, 131) == 0x00BBBBBB);  // outside the earlier reading
}
