#include <doctest.h>

#include "dialogs/BalloonGeometry.h"
#include "dialogs/BalloonLayout.h"

using namespace quorvane;

namespace quorvane {
inline bool operator==(const TwipsRect& a, const TwipsRect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}
}  // namespace quorvane

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

TEST_CASE("the shadow's lightness and the notice's time are kept within their ranges") {
  CHECK(ClampShadowLightness(0) == 0);
  CHECK(ClampShadowLightness(75) == 75);
  CHECK(ClampShadowLightness(200) == 75);  // 180 + 200 would overflow a byte
  CHECK(ClampShadowLightness(-30) == 0);
  CHECK(AutoCloseIntervalMs(5) == 5000);
  CHECK(AutoCloseIntervalMs(0) == 0);
  CHECK(AutoCloseIntervalMs(-1) == 0);
  CHECK(AutoCloseIntervalMs(33) == 33000);  // past the old 16-bit interval
  CHECK(AutoCloseIntervalMs(32767) == 32767000u);
}

TEST_CASE("the pages grow around their message") {
  const int page = 4830, message = 390;  // two lines
  const MessagePageLayout box = LayoutMessagePage(page, message);
  CHECK(box.message == TwipsRect{65, 615, 4700, 390});
  CHECK(box.checkBox.top == 615 + 390 + 70);
  CHECK(box.checkBox.left == 65);
  CHECK(box.pageHeight == 615 + 390 + 900);
  CHECK(box.buttonTop == box.pageHeight - 375 - 100);
  CHECK(box.checkBox.top + box.checkBox.height < box.buttonTop);  // the check box clears the buttons

  const InputPageLayout input = LayoutInputPage(page, message);
  CHECK(input.textBox == TwipsRect{65, 615 + 390 + 300, 4700, 315});
  const int buttonTop = input.textBox.top + 315 + 70;
  CHECK(input.ok == TwipsRect{65 + 4700 - 1200, buttonTop, 1200, 375});
  CHECK(input.cancel == TwipsRect{65 + 4700 - 1200 - 1200 - 70, buttonTop, 1200, 375});
  CHECK(input.checkBox.left == 65);
  CHECK(input.checkBox.top == buttonTop);
  CHECK(input.checkBox.left + input.checkBox.width < input.cancel.left);
  CHECK(input.pageHeight == buttonTop + 375 + 115);

  const AutoPageLayout notice = LayoutAutoPage(page, message);
  CHECK(notice.closeImage == TwipsRect{4830 - 50 - 300, 60, 300, 300});
  CHECK(notice.pageHeight == 615 + 390 + 300);

  CHECK(TitlePlace(true, 4765) == TwipsRect{665, 165, 4100, 255});
  CHECK(TitlePlace(false, 4765) == TwipsRect{65, 165, 4700, 255});
}
