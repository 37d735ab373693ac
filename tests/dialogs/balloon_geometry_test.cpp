#include <doctest.h>

#include "dialogs/BalloonGeometry.h"

using namespace quorvane;

TEST_CASE("the anchor's quarter of the screen chooses the pointer and the window's place") {
  const int sw = 1024, sh = 768, ww = 300, wh = 150;
  auto p = GetPointerStyle({900, 700}, sw, sh, ww, wh);  // bottom right
  CHECK(p.style == kPointerBottomRight);
  CHECK(p.windowTopLeft == BalloonPoint{900 + 42 - ww, 700 - wh});  // right edge 42 px right of the anchor
  p = GetPointerStyle({100, 100}, sw, sh, ww, wh);
  CHECK(p.style == kPointerTopLeft);
  CHECK(p.windowTopLeft == BalloonPoint{58, 100});
  p = GetPointerStyle({900, 100}, sw, sh, ww, wh);
  CHECK(p.style == kPointerTopRight);
  CHECK(p.windowTopLeft == BalloonPoint{642, 100});
  p = GetPointerStyle({100, 700}, sw, sh, ww, wh);
  CHECK(p.style == kPointerBottomLeft);
  CHECK(p.windowTopLeft == BalloonPoint{58, 550});
  // The centre lines count as left and top.
  CHECK(GetPointerStyle({512, 384}, sw, sh, ww, wh).style == kPointerTopLeft);
  CHECK(GetPointerStyle({513, 385}, sw, sh, ww, wh).style == kPointerBottomRight);
}

TEST_CASE("body, pointer and shadow shapes follow the window's size") {
  CHECK(BodyRim(300, 150) == RoundedRect{{0, 20, 286, 118}, 20, 20});
  CHECK(BodyFace(300, 150) == RoundedRect{{0, 20, 285, 117}, 24, 24});
  CHECK(ShadowShape(300, 150) == RoundedRect{{11, 29, 295, 127}, 45, 35});
  CHECK(PointerTriangle(kPointerBottomRight, 300, 150) == std::vector<BalloonPoint>{{239, 116}, {264, 116}, {264, 141}});
  CHECK(PointerTriangle(kPointerTopRight, 300, 150) == std::vector<BalloonPoint>{{242, 20}, {262, 20}, {262, 0}});
  CHECK(PointerTriangle(kPointerBottomLeft, 300, 150) == std::vector<BalloonPoint>{{41, 116}, {66, 116}, {41, 141}});
  CHECK(PointerTriangle(kPointerTopLeft, 300, 150) == std::vector<BalloonPoint>{{40, 20}, {60, 20}, {40, 0}});
  CHECK(PointerTriangle(kNoPointer, 300, 150).empty());

  auto lines = ShadowLines(300, 150, 0);
  REQUIRE(lines.size() == 36);
  // n = 17 first: the innermost and darkest.
  CHECK(lines[0].x1 == 22);
  CHECK(lines[0].y1 == 110);
  CHECK(lines[0].x2 == 278);
  CHECK(lines[0].factor == 20);
  CHECK(lines[1].x1 == 278);
  CHECK(lines[1].y1 == 40);
  CHECK(lines[1].y2 == 110);
  // n = 0 last: the outermost and lightest; the lightness adds to every line.
  CHECK(lines[34].y1 == 127);
  CHECK(lines[34].factor == 180);
  CHECK(ShadowLines(300, 150, 75)[34].factor == 255);
  CHECK(ShadeChannel(200, 128) == 100);
}

TEST_CASE("flags choose the buttons, their codes, the icon and the default button") {
  using B = std::vector<BalloonButton>;
  CHECK(ButtonsForFlags(0) == B{{"OK", 1}});
  CHECK(ButtonsForFlags(1) == B{{"OK", 1}, {"Cancel", 2}});
  CHECK(ButtonsForFlags(2) == B{{"Abort", 3}, {"Retry", 4}, {"Ignore", 5}});
  CHECK(ButtonsForFlags(3 | 256 | 64) == B{{"Yes", 6}, {"No", 7}, {"Cancel", 2}});
  CHECK(ButtonsForFlags(4) == B{{"Yes", 6}, {"No", 7}});
  CHECK(ButtonsForFlags(5) == B{{"Retry", 4}, {"Cancel", 2}});
  CHECK(ButtonsForFlags(7) == B{{"OK", 1}});
  CHECK(ButtonsForFlags(6, "", "Later", "") == B{{"", 0}, {"Later", 2}});
  CHECK(ButtonsForFlags(6, "A", "", "C") == B{{"A", 1}, {"", 0}, {"C", 3}});
  CHECK(ButtonsForFlags(6).empty());

  CHECK(IconTileForFlags(0) == 0);
  CHECK(IconTileForFlags(16) == 1);
  CHECK(IconTileForFlags(32) == 4);
  CHECK(IconTileForFlags(48) == 2);
  CHECK(IconTileForFlags(64 | 3) == 3);
  CHECK(IconTileForFlags(112) == 7);
  CHECK(DefaultButtonForFlags(3) == 1);
  CHECK(DefaultButtonForFlags(3 | 256) == 2);
  CHECK(DefaultButtonForFlags(512) == 3);
  CHECK(DefaultButtonForFlags(768) == 0);
}

TEST_CASE("buttons are laid out by their count") {
  const int w = 5400, b = 1200;
  CHECK(ButtonLefts(1, w, b) == std::vector<int>{2100});
  CHECK(ButtonLefts(2, w, b) == std::vector<int>{1200, 3000});  // centred on a third and two thirds
  CHECK(ButtonLefts(3, w, b) == std::vector<int>{307, 2100, 3893});
  CHECK(ButtonLefts(0, w, b).empty());
}
