// The balloon's window on the screen: where it goes for an anchor, its shape
// (body, pointer, shadow), the shadow painted from what lies beneath it, and
// moving it by the mouse.
#include <doctest.h>

#include <functional>

#include "balloon_test_support.h"
#include "dialogs/BalloonGeometry.h"
#include "dialogs/MsgBoxFlags.h"
#include "dialogs/msgFrm.h"
#include "ui/Form.h"

using namespace quorvane;
using namespace testing;
namespace Flags = quorvane::MsgBoxFlags;

namespace {

// A window of one plain colour for the balloon to stand over.
class Backdrop : public Form {
 public:
  explicit Backdrop(COLORREF colour) : Form("frmBackdrop", "", {600 * 15, 500 * 15}, FormOptions{.border = FormBorder::None}) {
    SetBackColor(colour);
  }
};

void ShowNotice(int x, int y, bool noPointer = false, int16_t lightness = 0) {
  MessageBalloon().MsgAuto_box("The Program Still Running Here", Flags::kInformation, "Program notification", 0,
                               noPointer, 0, x, y, lightness);
  DoEvents();
}

}  // namespace

TEST_CASE("the anchor's quarter of the screen places the window and chooses the pointer") {
  const SIZE screen = ScreenSize();
  struct Case {
    POINT anchor;
    PointerStyle style;
  };
  const Case cases[] = {
      {{screen.cx - 100, screen.cy - 100}, kPointerBottomRight},
      {{screen.cx - 100, 100}, kPointerTopRight},
      {{100, screen.cy - 100}, kPointerBottomLeft},
      {{100, 100}, kPointerTopLeft},
  };
  for (const Case& c : cases) {
    CAPTURE(c.style);
    ShowNotice(c.anchor.x, c.anchor.y);
    const RECT window = BalloonScreenRect();
    CHECK(MessageBalloon().CurrentPointerStyle() == c.style);
    const bool right = c.style == kPointerBottomRight || c.style == kPointerTopRight;
    const bool bottom = c.style == kPointerBottomRight || c.style == kPointerBottomLeft;
    if (right)
      CHECK(window.right == c.anchor.x + 42);
    else
      CHECK(window.left == c.anchor.x - 42);
    if (bottom)
      CHECK(window.bottom == c.anchor.y);
    else
      CHECK(window.top == c.anchor.y);
    CloseBalloon();
  }

  SUBCASE("without a pointer the window goes to the same place") {
    ShowNotice(screen.cx - 100, screen.cy - 100, true);
    const RECT window = BalloonScreenRect();
    CHECK(MessageBalloon().CurrentPointerStyle() == kNoPointer);
    CHECK(window.right == screen.cx - 100 + 42);
    CHECK(window.bottom == screen.cy - 100);
    CloseBalloon();
  }

  SUBCASE("a modal box anchored bottom right: its bottom edge at the anchor's height") {
    RECT window{};
    PointerStyle style = kNoPointer;
    WhileModal driver([&] {
      window = BalloonScreenRect();
      style = MessageBalloon().CurrentPointerStyle();
      Click("cmd1", 0);
    });
    MessageBalloon().msg_Box("Restart Windows now?", Flags::kOkOnly, "Quorvane", false, "", "", "", "", 0,
                             screen.cx - 300, screen.cy - 200, 0);
    CHECK(style == kPointerBottomRight);
    CHECK(window.bottom == screen.cy - 200);
    CHECK(window.right == screen.cx - 300 + 42);
  }

  SUBCASE("X or Y 0 anchors at the mouse") {
    SetCursorPos(150, 120);
    ShowNotice(0, 500);
    const RECT window = BalloonScreenRect();
    CHECK(window.left == 150 - 42);
    CHECK(window.top == 120);
    CloseBalloon();
  }
}

TEST_CASE("the window's region: body, pointer and shadow") {
  const SIZE screen = ScreenSize();
  ShowNotice(screen.cx - 100, screen.cy - 100);
  HWND window = BalloonWindow();
  const RECT bounds = BalloonScreenRect();
  const int w = bounds.right - bounds.left, h = bounds.bottom - bounds.top;
  CHECK(RegionHolds(window, w / 2, h / 2));            // the body
  CHECK(RegionHolds(window, w - 38, h - 14));          // inside the pointer, below the body
  CHECK(RegionHolds(window, w - 8, h / 2));            // the shadow right of the body
  CHECK(RegionHolds(window, w / 2, h - 26));           // the shadow below the body
  CHECK_FALSE(RegionHolds(window, 1, 1));              // above the body's rounded corner
  CHECK_FALSE(RegionHolds(window, 3, h - 12));         // left of the shadow, below the body
  CHECK_FALSE(RegionHolds(window, w - 2, 2));          // beyond the shadow
  CHECK_FALSE(RegionHolds(window, w - 45, 8));         // where a top pointer would be
  CloseBalloon();

  ShowNotice(screen.cx - 100, screen.cy - 100, true);
  CHECK_FALSE(RegionHolds(BalloonWindow(), w - 38, h - 14));  // no pointer
  CHECK(RegionHolds(BalloonWindow(), w - 8, h / 2));
  CloseBalloon();

  ShowNotice(100, 100);  // top left: the pointer above the body's left end
  CHECK(RegionHolds(BalloonWindow(), 42, 10));
  CHECK_FALSE(RegionHolds(BalloonWindow(), w - 45, 8));
  CloseBalloon();
}

TEST_CASE("the shadow is the screen beneath, darkened line by line") {
  const COLORREF ground = RGB(200, 120, 40);
  Backdrop backdrop(ground);
  backdrop.SetPositionTwips(0, 0);
  backdrop.Load();
  ShowWindow(backdrop.hWnd(), SW_SHOWNA);
  UpdateWindow(backdrop.hWnd());
  DoEvents();

  const int16_t lightness = 10;
  ShowNotice(60, 60, true, lightness);
  HWND window = BalloonWindow();
  const RECT bounds = BalloonScreenRect();
  const int w = bounds.right - bounds.left, h = bounds.bottom - bounds.top;
  auto expected = [&](int factor) {
    return RGB(ShadeChannel(GetRValue(ground), factor), ShadeChannel(GetGValue(ground), factor),
               ShadeChannel(GetBValue(ground), factor));
  };
  // The row of n = 5 below the body and the column of n = 2 right of it.
  const COLORREF row = PixelOf(window, w / 2, h - 23 - 5);
  const COLORREF column = PixelOf(window, w - 5 - 2, h / 2);
  CHECK(row == expected(20 * ((19 - 5) / 2) + lightness));
  CHECK(column == expected(20 * ((19 - 2) / 2) + lightness));
  CHECK(MessageBalloon().Tag() == "10");

  // Shown again while open, the window reads the screen where it covers it from
  // what it saw before: the shadow does not darken twice.
  ShowNotice(60, 60, true, lightness);
  CHECK(BalloonWindow() == window);
  CHECK(PixelOf(window, w / 2, h - 23 - 5) == row);
  CHECK(PixelOf(window, w - 5 - 2, h / 2) == column);
  CloseBalloon();
  backdrop.Unload();
}

TEST_CASE("dragging the box moves its body, then gives it its shadow back without the pointer") {
  const SIZE screen = ScreenSize();
  RECT before{}, after{};
  PointerStyle styleBefore = kNoPointer, styleAfter = kPointerTopLeft;
  bool shadowAfter = false, pointerAfter = true;
  std::string tag;
  WhileModal driver(WhileModal::Steps{
      [&] {
        HWND window = BalloonWindow();
        before = BalloonScreenRect();
        styleBefore = MessageBalloon().CurrentPointerStyle();
        // A press on the body's margin above the page, a move and a release, as
        // the mouse sends them: each message carries the pointer's place at its posting.
        const POINT grip{before.left + 100, before.top + 24};
        SetCursorPos(grip.x, grip.y);
        PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 24));
        SetCursorPos(grip.x + 30, grip.y + 20);
        PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(130, 44));
        PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(130, 44));
      },
      [&] {
        HWND window = BalloonWindow();
        after = BalloonScreenRect();
        styleAfter = MessageBalloon().CurrentPointerStyle();
        const int w = after.right - after.left, h = after.bottom - after.top;
        shadowAfter = RegionHolds(window, w - 8, h / 2);
        pointerAfter = RegionHolds(window, w - 38, h - 14);
        tag = MessageBalloon().Tag();
        Click("cmd1", 0);
      }});
  MessageBalloon().msg_Box("Drag me", Flags::kOkOnly, "Quorvane", false, "", "", "", "", 0, screen.cx - 300,
                           screen.cy - 200, 25);
  CHECK(styleBefore == kPointerBottomRight);
  CHECK(after.left - before.left == 30);
  CHECK(after.top - before.top == 20);
  CHECK(styleAfter == kNoPointer);
  CHECK(shadowAfter);
  CHECK_FALSE(pointerAfter);
  CHECK(tag == "25");
  CHECK_FALSE(WhileModal::Rescued());
}

TEST_CASE("the notice cannot be dragged") {
  ShowNotice(300, 300);
  HWND window = BalloonWindow();
  const RECT before = BalloonScreenRect();
  // Were a move loop to start, this release would end it at once.
  PostMessageA(window, WM_LBUTTONUP, 0, 0);
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 24));
  DoEvents();
  const RECT after = BalloonScreenRect();
  CHECK(after.left == before.left);
  CHECK(after.top == before.top);
  CHECK(MessageBalloon().CurrentPointerStyle() == kPointerTopLeft);
  CloseBalloon();
}
