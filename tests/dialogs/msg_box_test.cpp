// The balloon as a modal message box, on its real window: buttons by the flags,
// their places, the codes they return, the check box, focus and closing.
#include <doctest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "balloon_test_support.h"
#include "dialogs/BalloonLayout.h"
#include "dialogs/MsgBoxFlags.h"
#include "dialogs/msgFrm.h"
#include "ui/Screen.h"

using namespace quorvane;
using namespace testing;
namespace Flags = quorvane::MsgBoxFlags;

namespace {

struct SeenButton {
  std::string caption;
  PixelRect place;
};

std::vector<SeenButton> VisibleButtons() {
  std::vector<SeenButton> seen;
  for (int i = 0; i < 3; ++i)
    if (Shown("cmd1", i)) seen.push_back({TextOf("cmd1", i), BalloonControl("cmd1", i).PixelBounds()});
  return seen;
}

int PageWidthPixels() { return BalloonControl("F1", 0).PixelBounds().width; }

// Shows a message box anchored in the upper left quarter and runs `step` in it.
int ShowMessage(uint32_t flags, std::function<void()> step, const std::string& checkBox = "",
               const std::string& b1 = "", const std::string& b2 = "", const std::string& b3 = "") {
  WhileModal driver(std::move(step));
  return MessageBalloon().msg_Box("Save the changed settings before closing?", flags, "Quorvane", false, checkBox,
                                  b1, b2, b3, 0, 200, 150, 0);
}

}  // namespace

TEST_CASE("the buttons of a flag set: how many, where, and the code each returns") {
  SUBCASE("one button sits in the middle") {
    std::vector<SeenButton> seen;
    int result = ShowMessage(Flags::kOkOnly, [&] {
      seen = VisibleButtons();
      Click("cmd1", 0);
    });
    REQUIRE(seen.size() == 1);
    CHECK(seen[0].caption == "OK");
    const int page = ScreenTwipsToPixels(kBalloonWidthTwips) - kPageNarrowerPx;
    CHECK(seen[0].place.left == ScreenTwipsToPixels((page * 15 - kButtonWidth) / 2));
    CHECK(result == 1);
  }

  SUBCASE("two buttons are centred on a third and two thirds of the page") {
    std::vector<SeenButton> seen;
    int pageWidth = 0;
    int result = ShowMessage(Flags::kYesNo, [&] {
      seen = VisibleButtons();
      pageWidth = PageWidthPixels();
      Click("cmd1", 1);
    });
    REQUIRE(seen.size() == 2);
    CHECK(seen[0].caption == "Yes");
    CHECK(seen[1].caption == "No");
    CHECK(std::abs(seen[0].place.left + seen[0].place.width / 2 - pageWidth / 3) <= 1);
    CHECK(std::abs(seen[1].place.left + seen[1].place.width / 2 - pageWidth * 2 / 3) <= 1);
    CHECK(seen[0].place.top == seen[1].place.top);
    CHECK(result == 7);
  }

  SUBCASE("three buttons: the middle one centred, the outer two mirrored") {
    std::vector<SeenButton> seen;
    int pageWidth = 0, pageHeight = 0;
    int result = ShowMessage(Flags::kAbortRetryIgnore, [&] {
      seen = VisibleButtons();
      pageWidth = PageWidthPixels();
      pageHeight = BalloonControl("F1", 0).PixelBounds().height;
      Click("cmd1", 2);
    });
    REQUIRE(seen.size() == 3);
    CHECK(seen[0].caption == "Abort");
    CHECK(seen[1].caption == "Retry");
    CHECK(seen[2].caption == "Ignore");
    CHECK(std::abs(seen[1].place.left + seen[1].place.width / 2 - pageWidth / 2) <= 1);
    CHECK(std::abs(seen[0].place.left - (pageWidth - seen[2].place.left - seen[2].place.width)) <= 1);
    // All three 100 twips above the page's bottom.
    CHECK(std::abs(seen[0].place.top + seen[0].place.height - (pageHeight - ScreenTwipsToPixels(100))) <= 1);
    CHECK(result == 5);
  }

  SUBCASE("retry and cancel") {
    std::vector<SeenButton> seen;
    int result = ShowMessage(Flags::kRetryCancel, [&] {
      seen = VisibleButtons();
      Click("cmd1", 0);
    });
    REQUIRE(seen.size() == 2);
    CHECK(seen[1].caption == "Cancel");
    CHECK(result == 4);
  }
}

TEST_CASE("yes, no, cancel with the focus on No; No with the box ticked returns 107") {
  bool focusOnNo = false;
  bool checkBoxShown = false;
  std::string checkCaption;
  TwipsRect message{}, checkBox{};
  int result = ShowMessage(
      Flags::kYesNoCancel | Flags::kDefaultButton2,
      [&] {
        focusOnNo = GetFocus() == BalloonControl("cmd1", 1).hWnd();
        checkBoxShown = Shown("Check1");
        checkCaption = TextOf("Check1");
        message = PlaceTwips("lblmsg");
        checkBox = PlaceTwips("Check1");
        Click("Check1");
        Click("cmd1", 1);
      },
      "Do not ask again");
  CHECK(focusOnNo);
  CHECK(checkBoxShown);
  CHECK(checkCaption == "Do not ask again");
  CHECK(checkBox.left == message.left);
  CHECK(std::abs(checkBox.top - (message.top + message.height + 70)) <= 15);
  CHECK(result == 107);
}

TEST_CASE("the default button bits choose the focus, 768 none") {
  HWND focused = nullptr;
  HWND third = nullptr;
  ShowMessage(Flags::kAbortRetryIgnore | Flags::kDefaultButton3, [&] {
    focused = GetFocus();
    third = BalloonControl("cmd1", 2).hWnd();
    Click("cmd1", 0);
  });
  CHECK(focused == third);

  bool anyButtonFocused = true;
  ShowMessage(Flags::kAbortRetryIgnore | Flags::kNoDefaultButton, [&] {
    anyButtonFocused = false;
    for (int i = 0; i < 3; ++i) anyButtonFocused |= GetFocus() == BalloonControl("cmd1", i).hWnd();
    Click("cmd1", 0);
  });
  CHECK_FALSE(anyButtonFocused);
}

TEST_CASE("custom buttons: only the given texts show, each returns its position") {
  SUBCASE("only the second text: one button, centred on two thirds, returning 2") {
    std::vector<SeenButton> seen;
    int pageWidth = 0;
    int result = ShowMessage(
        Flags::kCustomButtons,
        [&] {
          seen = VisibleButtons();
          pageWidth = PageWidthPixels();
          Click("cmd1", 1);
        },
        "", "", "Later", "");
    REQUIRE(seen.size() == 1);
    CHECK(seen[0].caption == "Later");
    CHECK(std::abs(seen[0].place.left + seen[0].place.width / 2 - pageWidth * 2 / 3) <= 1);
    CHECK(result == 2);
  }

  SUBCASE("the first and the third") {
    std::vector<SeenButton> seen;
    int result = ShowMessage(
        Flags::kCustomButtons,
        [&] {
          seen = VisibleButtons();
          Click("cmd1", 2);
        },
        "Remember", "Now", "", "Never");
    REQUIRE(seen.size() == 2);
    CHECK(seen[0].caption == "Now");
    CHECK(seen[1].caption == "Never");
    CHECK(result == 3);
  }

  SUBCASE("no text at all: no button, and closing the box returns 0") {
    std::vector<SeenButton> seen;
    int result = ShowMessage(Flags::kCustomButtons, [&] {
      seen = VisibleButtons();
      SendMessageA(BalloonWindow(), WM_CLOSE, 0, 0);
    });
    CHECK(seen.empty());
    CHECK(result == 0);
    CHECK_FALSE(WhileModal::Rescued());
  }
}

TEST_CASE("Escape and closing answer Cancel where there is one, and nothing where there is not") {
  int result = ShowMessage(Flags::kOkCancel, [&] {
    PostMessageA(BalloonControl("cmd1", 0).hWnd(), WM_KEYDOWN, VK_ESCAPE, 1);
  });
  CHECK(result == 2);

  result = ShowMessage(Flags::kOkOnly, [&] { SendMessageA(BalloonWindow(), WM_CLOSE, 0, 0); });
  CHECK(result == 1);

  // Yes or No must be answered: the close is refused and the box stays.
  bool stayed = false;
  result = ShowMessage(Flags::kYesNo, [&] {
    SendMessageA(BalloonWindow(), WM_CLOSE, 0, 0);
    stayed = IsWindowVisible(BalloonWindow()) != FALSE;
    Click("cmd1", 0);
  });
  CHECK(stayed);
  CHECK(result == 6);
  CHECK_FALSE(WhileModal::Rescued());
}

TEST_CASE("Enter answers with the button the keyboard is on, not the default one") {
  int result = ShowMessage(Flags::kYesNo, [&] {
    SetFocus(BalloonControl("cmd1", 1).hWnd());  // "No"; "Yes" is the default
    PostMessageA(BalloonControl("cmd1", 1).hWnd(), WM_KEYDOWN, VK_RETURN, 1);
  });
  CHECK(result == 7);
}

TEST_CASE("each call loads the window and unloads it on return, starting from the designed layout") {
  bool iconShown = true;
  int titleLeftWithout = 0;
  ShowMessage(Flags::kOkOnly, [&] {
    iconShown = Shown("P1");
    titleLeftWithout = BalloonControl("LblTitle").PixelBounds().left;
    Click("cmd1", 0);
  });
  CHECK_FALSE(MessageBalloon().IsLoaded());
  CHECK_FALSE(iconShown);
  CHECK(titleLeftWithout == BalloonControl("lblmsg").PixelBounds().left);

  int titleLeftWith = 0;
  bool checkBoxShown = true;
  int result = ShowMessage(Flags::kOkOnly | Flags::kQuestion, [&] {
    iconShown = Shown("P1");
    checkBoxShown = Shown("Check1");
    titleLeftWith = BalloonControl("LblTitle").PixelBounds().left;
    Click("cmd1", 0);
  });
  CHECK(iconShown);
  CHECK(titleLeftWith == ScreenTwipsToPixels(kTitleLeft));
  CHECK_FALSE(checkBoxShown);  // the earlier call's check box is gone
  CHECK(result == 1);          // and its tick does not count
}

TEST_CASE("a long message makes the box taller, not cut off") {
  const std::string shortText = "Done.";
  std::string longText;
  for (int i = 0; i < 12; ++i) longText += "The settings of every network adapter were written to the registry. ";
  int shortHeight = 0, longHeight = 0, labelHeight = 0, labelBottomToButtons = 0;
  for (const std::string* text : std::initializer_list<const std::string*>{&shortText, &longText}) {
    WhileModal driver([&] {
      RECT window = BalloonScreenRect();
      (text == &shortText ? shortHeight : longHeight) = window.bottom - window.top;
      PixelRect label = BalloonControl("lblmsg").PixelBounds();
      labelHeight = label.height;
      labelBottomToButtons = BalloonControl("cmd1", 0).PixelBounds().top - (label.top + label.height);
      Click("cmd1", 0);
    });
    MessageBalloon().msg_Box(*text, Flags::kOkOnly, "Quorvane", false, "", "", "", "", 0, 200, 150, 0);
  }
  CHECK(longHeight > shortHeight + 5 * labelHeight / 8);
  // Measured the way the label wraps: every line fits above the buttons.
  HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HDC dc = GetDC(probe);
  HGDIOBJ old = SelectObject(dc, BalloonControl("lblmsg").Font());
  RECT need{0, 0, ScreenTwipsToPixels(kBalloonWidthTwips - kPageNarrowerPx * 15 - kMessageNarrower), 0};
  DrawTextA(dc, longText.c_str(), -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
  SelectObject(dc, old);
  ReleaseDC(probe, dc);
  DestroyWindow(probe);
  CHECK(labelHeight >= need.bottom);
  CHECK(labelBottomToButtons > 0);
}
