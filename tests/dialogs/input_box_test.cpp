// The balloon as a modal input box: its layout, "OK" and "Cancel", the check
// box's mark on the text, and the keyboard.
#include <doctest.h>

#include <string>

#include "balloon_test_support.h"
#include "dialogs/BalloonLayout.h"
#include "dialogs/MsgBoxFlags.h"
#include "dialogs/msgFrm.h"
#include "ui/ui_test_support.h"

using namespace quorvane;
using namespace testing;

namespace {

std::string Ask(std::function<void()> step, const std::string& defaultText = "www.example.com",
                const std::string& checkBox = "") {
  WhileModal driver(std::move(step));
  return MessageBalloon().input_box("Host to ping:", MsgBoxFlags::kQuestion, "Net Pinger", defaultText, false,
                                    checkBox, 0, 200, 150, 0);
}

HWND TextBoxWindow() { return BalloonControl("iTxt").hWnd(); }

void ReplaceText(const std::string& text) {
  SendMessageA(TextBoxWindow(), EM_SETSEL, 0, -1);
  SendMessageA(TextBoxWindow(), WM_CLEAR, 0, 0);
  TypeText(TextBoxWindow(), text);
}

}  // namespace

TEST_CASE("the input box returns the text typed, starting from the default") {
  std::string shown;
  std::string result = Ask([&] {
    shown = TextOf("iTxt");
    ReplaceText("10.0.0.1");
    Click("iCmd", 1);
  });
  CHECK(shown == "www.example.com");
  CHECK(result == "10.0.0.1");

  result = Ask([&] { Click("iCmd", 1); });
  CHECK(result == "www.example.com");
}

TEST_CASE("OK with an empty text keeps the box open; Cancel returns nothing, even ticked") {
  bool openAfterOk = false;
  std::string result = Ask(
      [&] {
        ReplaceText("");
        Click("iCmd", 1);
        openAfterOk = IsWindowVisible(BalloonWindow()) != FALSE;
        ReplaceText("typed");
        Click("Check2");
        Click("iCmd", 0);
      },
      "", "Remember this host");
  CHECK(openAfterOk);
  CHECK(result.empty());
  CHECK_FALSE(WhileModal::Rescued());
}

TEST_CASE("a ticked check box appends the system code page's not sign") {
  REQUIRE(GetACP() == 1252);  // the test prefix's code page, where "¬" is 0xAC
  std::string result = Ask(
      [&] {
        ReplaceText("host");
        Click("Check2");
        Click("iCmd", 1);
      },
      "", "Remember this host");
  CHECK(result == "host\xAC");
}

TEST_CASE("Enter confirms and Escape cancels from the text box") {
  bool focusInText = false;
  std::string result = Ask([&] {
    focusInText = GetFocus() == TextBoxWindow();
    PostMessageA(TextBoxWindow(), WM_KEYDOWN, VK_RETURN, 1);
  });
  CHECK(focusInText);
  CHECK(result == "www.example.com");

  result = Ask([&] { PostMessageA(TextBoxWindow(), WM_KEYDOWN, VK_ESCAPE, 1); });
  CHECK(result.empty());
}

TEST_CASE("the input page's layout: the text box under the message, the buttons under its right end") {
  TwipsRect message{}, text{}, ok{}, cancel{}, check{};
  PixelRect page{};
  RECT window{};
  std::string okCaption, cancelCaption;
  Ask(
      [&] {
        message = PlaceTwips("iMsg");
        text = PlaceTwips("iTxt");
        ok = PlaceTwips("iCmd", 1);
        cancel = PlaceTwips("iCmd", 0);
        check = PlaceTwips("Check2");
        page = BalloonControl("F1", 1).PixelBounds();
        window = BalloonScreenRect();
        okCaption = TextOf("iCmd", 1);
        cancelCaption = TextOf("iCmd", 0);
        Click("iCmd", 0);
      },
      "x", "Remember");
  auto within = [](int a, int b) { return std::abs(a - b) <= 15; };  // within a pixel
  CHECK(okCaption == "OK");
  CHECK(cancelCaption == "Cancel");
  CHECK(within(text.top, message.top + message.height + 300));
  CHECK(text.left == message.left);
  CHECK(within(text.width, message.width));
  CHECK(within(ok.top, text.top + text.height + 70));
  CHECK(ok.top == cancel.top);
  CHECK(within(ok.left + ok.width, text.left + text.width));
  CHECK(within(cancel.left, ok.left - ok.width - 70));
  CHECK(check.left == text.left);
  CHECK(check.left + check.width < cancel.left);  // the check box's caption ends before "Cancel"
  CHECK(std::abs(page.height - (ok.top + ok.height + 115) / 15) <= 1);
  CHECK(window.bottom - window.top == page.height + kBelowModalPagePx);
}
