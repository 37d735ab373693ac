// The balloon as a notice: above every window, closing itself after its time or
// by its close image, and reusing its window when shown again while open.
#include <doctest.h>

#include <string>

#include "balloon_test_support.h"
#include "dialogs/IconArt.h"
#include "dialogs/MsgBoxFlags.h"
#include "dialogs/msgFrm.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"
#include "ui/ui_test_support.h"

using namespace quorvane;
using namespace testing;

namespace {

std::string Notice(int16_t seconds, COLORREF colour = 0, uint32_t flags = MsgBoxFlags::kInformation,
                   const std::string& text = "The Program Still Running Here") {
  const SIZE screen = ScreenSize();
  return MessageBalloon().MsgAuto_box(text, flags, "Program notification", seconds, true, colour, screen.cx - 40,
                                      screen.cy, 0);
}

Timer& Timer1() { return static_cast<Timer&>(BalloonControl("Timer1")); }

// The colour at the middle of the close image as it is drawn now.
COLORREF CloseImageMiddle() {
  auto& image = static_cast<PictureBox&>(BalloonControl("command1"));
  const PixelRect place = image.PixelBounds();
  UpdateWindow(image.hWnd());
  return PixelOf(image.hWnd(), place.width / 2 + 3, place.height / 2);
}

}  // namespace

TEST_CASE("the notice as the tray hides the program: pale yellow, above all, gone after its time") {
  CHECK(Notice(1).empty());  // returns at once
  HWND window = BalloonWindow();
  REQUIRE(window);
  CHECK(IsWindowVisible(window));
  CHECK((GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
  CHECK(GetActiveWindow() != window);  // the keyboard stays where it was
  CHECK(Timer1().Running());
  CHECK(Timer1().Interval() == 1000);
  // The page shows the default colour, RGB(255, 255, 204), where nothing is drawn on it.
  HWND page = BalloonControl("F1", 2).hWnd();
  const PixelRect pagePlace = BalloonControl("F1", 2).PixelBounds();
  CHECK(PixelOf(page, 2, pagePlace.height - 2) == RGB(255, 255, 204));
  CHECK(Shown("aPic"));
  CHECK(TextOf("aMsg") == "The Program Still Running Here");
  CHECK(TextOf("aTitle") == "Program notification");
  // Bottom-right anchor without a pointer: the bottom edge at the screen's; the
  // window reaches 40 pixels below the page.
  const RECT bounds = BalloonScreenRect();
  CHECK(bounds.bottom == ScreenSize().cy);
  CHECK(bounds.bottom - bounds.top == pagePlace.top + pagePlace.height + 40);

  const DWORD start = GetTickCount();
  CHECK(PumpUntil([] { return !MessageBalloon().IsLoaded(); }, 3000));
  CHECK(GetTickCount() - start >= 800);
  CHECK_FALSE(IsWindow(window));
}

TEST_CASE("the close image: hot under the mouse, pressed, and closing on release") {
  Notice(0, RGB(242, 248, 200));
  CHECK_FALSE(Timer1().Running());  // 0 seconds: open until closed
  HWND image = BalloonControl("command1").hWnd();
  HWND page = BalloonControl("F1", 2).hWnd();
  CHECK(MessageBalloon().CloseImageTile() == kTileCloseNormal);
  const COLORREF normal = CloseImageMiddle();

  SendMessageA(image, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  CHECK(MessageBalloon().CloseImageTile() == kTileCloseHot);
  const COLORREF hot = CloseImageMiddle();
  CHECK(hot != normal);
  CHECK(GetRValue(hot) > GetGValue(hot) + 60);  // the red tile

  SendMessageA(page, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  CHECK(MessageBalloon().CloseImageTile() == kTileCloseNormal);
  SendMessageA(image, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageA(image, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  CHECK(MessageBalloon().CloseImageTile() == kTileClosePressed);
  CHECK(CloseImageMiddle() != hot);
  CHECK(MessageBalloon().IsLoaded());

  SendMessageA(image, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  CHECK_FALSE(MessageBalloon().IsLoaded());
}

TEST_CASE("a second notice while one is open reuses the window and starts its time afresh") {
  Notice(0, 0, MsgBoxFlags::kNoIcon, "First");
  HWND window = BalloonWindow();
  CHECK_FALSE(Shown("aPic"));
  const int titleWithout = BalloonControl("aTitle").PixelBounds().left;

  Notice(1, 0, MsgBoxFlags::kInformation, "Second");
  CHECK(BalloonWindow() == window);
  CHECK(TextOf("aMsg") == "Second");
  CHECK(Shown("aPic"));  // the icon is back, and the title beside it
  CHECK(BalloonControl("aTitle").PixelBounds().left > titleWithout);
  CHECK(Timer1().Running());
  CHECK(PumpUntil([] { return !MessageBalloon().IsLoaded(); }, 3000));
}

TEST_CASE("display times: 0 and negative stay open, larger ones run in full") {
  Notice(-3);
  CHECK_FALSE(Timer1().Running());
  Notice(40);
  CHECK(Timer1().Interval() == 40000);
  CloseBalloon();
  CHECK_FALSE(MessageBalloon().IsLoaded());
}

TEST_CASE("a modal box shown while a notice is open takes the window over and stops its timer") {
  Notice(1);
  bool noticePageShown = true;
  bool topMost = true;
  WhileModal driver([&] {
    noticePageShown = Shown("F1", 2);
    topMost = (GetWindowLongPtrA(BalloonWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    Sleep(1100);  // the notice's time runs out meanwhile
    DoEvents();
    Click("cmd1", 0);
  });
  int result = MessageBalloon().msg_Box("Apply now?", MsgBoxFlags::kOkOnly, "Quorvane", false, "", "", "", "", 0,
                                        300, 300, 0);
  CHECK(result == 1);
  CHECK_FALSE(noticePageShown);
  CHECK_FALSE(topMost);
  CHECK_FALSE(WhileModal::Rescued());
}
