#include <doctest.h>

#include <windows.h>

#include "shell/skin/SkinControl.h"
#include "shell/skin/SkinPainters.h"
#include "shell/skin/skin_test_support.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/ui_test_support.h"

using namespace quorvane;
using testing::RenderedClient;

namespace {

constexpr COLORREF kPanel = RGB(0xe0, 0xf0, 0xe0);  // controlForm's back in the test skin

class ToolForm : public Form {
 public:
  ToolForm() : Form("frmTool", "Tool", {6000, 3600}, FormOptions{.border = FormBorder::None}) {
    SetPositionTwips(4500, 4500);
    cmdDefault.SetDefault(true);
  }

  CommandButton cmdSave{*this, "cmdSave", {120, 120, 1500, 450}, "Save"};
  CommandButton cmdDefault{*this, "cmdDefault", {1800, 120, 1500, 450}, "OK"};
  CheckBox chkDoPinging{*this, "chkDoPinging", {120, 720, 2400, 300}, "Enable Pinger"};
  OptionButton optAuto{*this, "optAuto", {120, 1080, 2400, 300}, "Automatic"};
  OptionButton optManual{*this, "optManual", {120, 1380, 2400, 300}, "Manual"};
  SkinLabel lblDescrip{*this, "lblDescrip", {120, 1800, 2400, 600}, "Describes the mode"};
  Label lblPlain{*this, "lblPlain", {120, 2500, 2400, 255}, "Plain label"};
  Frame frameNetPinger{*this, "frameNetPinger", {3000, 120, 2800, 1500}, "Net Pinger"};
  Label lblInFrame{frameNetPinger, "lblInFrame", {120, 400, 2000, 255}, "Inside"};
  Frame frameBare{*this, "frameBare", {3000, 1800, 1300, 900}, "Bare"};
  Frame frameNo{*this, "frameNo", {4500, 1800, 1300, 900}, "Hidden caption"};
};

class SkinnedTool {
 public:
  SkinnedTool() : file_("paint.skn", testing::kTestSkin) {
    REQUIRE(skin.LoadSkin(file_.Path()));
    testing::ShowQuietly(form);
    REQUIRE(skin.ApplySkin(form.hWnd(), "controlForm"));
  }

  testing::TempSkinFile file_;
  SkinControl skin;
  ToolForm form;
};

COLORREF BrushColour(LRESULT brush) {
  LOGBRUSH info{};
  GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof info, &info);
  return info.lbColor;
}

// Where the check box's square or the option button's circle lies in its control.
RECT GlyphOf(const RenderedClient& rendered) {
  int size = SkinGlyphSize();
  int top = (rendered.Height() - size) / 2;
  return {1, top, 1 + size, top + size};
}

}  // namespace

TEST_CASE("a skinned button: its face in each state, its corners, its outline and text") {
  SkinnedTool tool;
  HWND button = tool.form.cmdSave.hWnd();
  REQUIRE(tool.skin.ApplySkin(button, "Button"));
  auto face = [&] {
    RenderedClient rendered(button);
    return rendered.At(6, rendered.Height() / 2);
  };
  RenderedClient normal(button);
  const int middle = normal.Height() / 2;
  CHECK(normal.At(6, middle) == RGB(0, 0, 0xc0));
  CHECK(normal.At(0, middle) == RGB(0, 0, 0x60));  // the border
  CHECK(normal.At(0, 0) == kPanel);                // a rounded corner shows the form
  CHECK(normal.Count(RGB(255, 255, 255)) > 10);   // the caption

  SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  CHECK(face() == RGB(0, 0xc0, 0));
  SendMessageA(button, WM_MOUSELEAVE, 0, 0);
  CHECK(face() == RGB(0, 0, 0xc0));

  SendMessageA(button, BM_SETSTATE, TRUE, 0);
  CHECK(face() == RGB(0xc0, 0, 0));
  SendMessageA(button, BM_SETSTATE, FALSE, 0);
  CHECK(face() == RGB(0, 0, 0xc0));

  tool.form.cmdSave.SetEnabled(false);
  RenderedClient disabled(button);
  CHECK(disabled.At(6, middle) == RGB(0x80, 0x80, 0x80));
  CHECK(disabled.Count(RGB(0x40, 0x40, 0x40), 8) > 10);
  CHECK(disabled.Count(RGB(255, 255, 255), 8) == 0);
  tool.form.cmdSave.SetEnabled(true);

  // The button Enter presses has a stronger outline in the accent colour.
  REQUIRE(tool.skin.ApplySkin(tool.form.cmdDefault.hWnd(), "Button"));
  RenderedClient byDefault(tool.form.cmdDefault.hWnd());
  CHECK(byDefault.At(0, middle) == RGB(0xff, 0, 0xff));
  CHECK(byDefault.At(1, middle) == RGB(0xff, 0, 0xff));
  CHECK(byDefault.At(6, middle) == RGB(0, 0, 0xc0));

  // The keyboard focus: a ring inside the edge, once the keyboard cues show.
  SendMessageA(button, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  tool.form.cmdSave.SetFocus();
  REQUIRE(GetFocus() == button);
  RenderedClient focused(button);
  CHECK(focused.At(3, middle) != RGB(0, 0, 0xc0));
  CHECK(focused.At(6, middle) == RGB(0, 0, 0xc0));

  // The skin's font, until the program gives the button one of its own.
  HDC dc = GetDC(nullptr);
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)), sizeof font, &font);
  CHECK(font.lfHeight == -MulDiv(10, GetDeviceCaps(dc, LOGPIXELSY), 72));  // the face may be missing here
  CHECK(font.lfWeight == FW_BOLD);
  tool.form.cmdSave.SetFont(FontChoice{.face = "Tahoma", .points = 8});
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)), sizeof font, &font);
  CHECK(font.lfWeight == FW_NORMAL);
  ReleaseDC(nullptr, dc);
}

TEST_CASE("a skinned check box and option buttons show their state in the skin's colours") {
  SkinnedTool tool;
  CheckBox& check = tool.form.chkDoPinging;
  REQUIRE(tool.skin.ApplySkin(check.hWnd(), "CheckBox"));
  auto inside = [&] {
    RenderedClient rendered(check.hWnd());
    RECT glyph = GlyphOf(rendered);
    return rendered.At(glyph.left + 3, glyph.top + 3);
  };
  RenderedClient unchecked(check.hWnd());
  RECT box = GlyphOf(unchecked);
  CHECK(unchecked.At(box.left + 3, box.top + 3) == RGB(255, 255, 255));
  CHECK(unchecked.At(box.left, box.top + 6) == RGB(0, 0, 0));
  CHECK(unchecked.At(unchecked.Width() - 1, 0) == kPanel);  // the form shows behind it
  CHECK(unchecked.Count(RGB(0x20, 0, 0x20), {box.right, 0, unchecked.Width(), unchecked.Height()}) > 5);

  check.SetValue(kChecked);
  CHECK(inside() == RGB(0, 0x60, 0xc0));
  check.SetValue(kGrayed);
  CHECK(inside() == RGB(0, 0x60, 0xc0));
  check.SetValue(kUnchecked);
  SendMessageA(check.hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  CHECK(inside() == RGB(0xe0, 0xe0, 0xff));
  SendMessageA(check.hWnd(), WM_MOUSELEAVE, 0, 0);
  check.SetEnabled(false);
  CHECK(inside() == RGB(0xc0, 0xc0, 0xc0));
  check.SetEnabled(true);

  REQUIRE(tool.skin.ApplySkin(tool.form.optAuto.hWnd(), "RadioBox"));
  REQUIRE(tool.skin.ApplySkin(tool.form.optManual.hWnd(), "RadioBox"));
  auto centre = [](const OptionButton& option) {
    RenderedClient rendered(option.hWnd());
    RECT circle = GlyphOf(rendered);
    return rendered.At((circle.left + circle.right) / 2, (circle.top + circle.bottom) / 2);
  };
  CHECK(centre(tool.form.optAuto) == RGB(0xff, 0xff, 0xe0));
  tool.form.optAuto.SetValue(true);
  CHECK(centre(tool.form.optAuto) == RGB(0xc0, 0x60, 0));
  tool.form.optManual.SetValue(true);  // clears the other of the group
  CHECK(centre(tool.form.optAuto) == RGB(0xff, 0xff, 0xe0));
  CHECK(centre(tool.form.optManual) == RGB(0xc0, 0x60, 0));
}

TEST_CASE("a skinned label: its text in the skin's colours over what lies behind it") {
  SkinnedTool tool;
  SkinLabel& label = tool.form.lblDescrip;
  REQUIRE(tool.skin.ApplySkin(label.hWnd(), "Label"));
  RenderedClient shown(label.hWnd());
  CHECK(shown.At(shown.Width() - 1, shown.Height() - 1) == kPanel);
  CHECK(shown.Count(RGB(0, 0x80, 0)) > 10);

  label.SetEnabled(false);
  RenderedClient disabled(label.hWnd());
  CHECK(disabled.Count(RGB(0, 0x80, 0), 8) == 0);
  CHECK(disabled.Count(RGB(0xa0, 0xa0, 0xa0), 8) > 10);
  label.SetEnabled(true);

  label.SetCaption("");
  CHECK(RenderedClient(label.hWnd()).Count(kPanel, 0) == shown.Width() * shown.Height());

  // A plain label on the skinned form takes the form's colours from the layer.
  HDC dc = GetDC(tool.form.hWnd());
  LRESULT brush = SendMessageA(tool.form.hWnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(tool.form.lblPlain.hWnd()));
  CHECK(BrushColour(brush) == kPanel);
  CHECK(GetTextColor(dc) == RGB(0x40, 0, 0));
  ReleaseDC(tool.form.hWnd(), dc);
}

TEST_CASE("a skinned frame: background, border and caption; without them for NoFrame and borderless frames") {
  SkinnedTool tool;
  Frame& frame = tool.form.frameNetPinger;
  REQUIRE(tool.skin.ApplySkin(frame.hWnd(), "Frame"));
  RenderedClient framed(frame.hWnd());
  const int w = framed.Width(), h = framed.Height();
  CHECK(framed.At(w / 2, h / 2) == RGB(0xf0, 0xf0, 0xc0));
  CHECK(framed.At(w / 2, h - 1) == RGB(0, 0x60, 0));
  CHECK(framed.At(w / 2, h - 2) == RGB(0, 0x60, 0));
  CHECK(framed.At(w / 2, h - 3) == RGB(0xf0, 0xf0, 0xc0));
  CHECK(framed.Count(RGB(0xc0, 0, 0x60), {0, 0, w, 20}) > 10);  // the caption
  // What the frame holds sits on the frame's colour.
  CHECK(frame.BackColor() == RGB(0xf0, 0xf0, 0xc0));
  HDC dc = GetDC(frame.hWnd());
  LRESULT brush = SendMessageA(frame.hWnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(tool.form.lblInFrame.hWnd()));
  CHECK(BrushColour(brush) == RGB(0xf0, 0xf0, 0xc0));
  ReleaseDC(frame.hWnd(), dc);

  // The caption changes with the frame's.
  frame.SetCaption("");
  CHECK(RenderedClient(frame.hWnd()).Count(RGB(0xc0, 0, 0x60), {0, 0, w, 20}) == 0);

  // A frame the program made borderless keeps neither line nor caption.
  tool.form.frameBare.SetBorderVisible(false);
  REQUIRE(tool.skin.ApplySkin(tool.form.frameBare.hWnd(), "Frame"));
  RenderedClient bare(tool.form.frameBare.hWnd());
  CHECK(bare.Count(RGB(0xf0, 0xf0, 0xc0), 0) == bare.Width() * bare.Height());

  REQUIRE(tool.skin.ApplySkin(tool.form.frameNo.hWnd(), "NoFrame"));
  RenderedClient none(tool.form.frameNo.hWnd());
  CHECK(none.Count(RGB(0x20, 0x30, 0x40), 0) == none.Width() * none.Height());
}

TEST_CASE("Main gives the window its rounded shape, kept through a change of size, and its colours") {
  testing::TempSkinFile file("main.skn", testing::kTestSkin);
  SkinControl skin;
  REQUIRE(skin.LoadSkin(file.Path()));
  ToolForm form;
  testing::ShowQuietly(form);
  HWND window = form.hWnd();
  MoveWindow(window, 300, 300, 400, 300, TRUE);
  REQUIRE(skin.ApplySkin(window, "Main"));

  HRGN region = CreateRectRgn(0, 0, 0, 0);
  REQUIRE(GetWindowRgn(window, region) != ERROR);
  CHECK_FALSE(PtInRegion(region, 1, 1));      // a corner cut away
  CHECK_FALSE(PtInRegion(region, 398, 298));
  CHECK(PtInRegion(region, 25, 0));           // the top edge past the corner
  CHECK(PtInRegion(region, 200, 150));

  MoveWindow(window, 300, 300, 500, 350, TRUE);
  REQUIRE(GetWindowRgn(window, region) != ERROR);
  CHECK(PtInRegion(region, 450, 175));
  CHECK_FALSE(PtInRegion(region, 498, 348));
  DeleteObject(region);

  CHECK(form.BackColor() == RGB(0x10, 0x20, 0x30));
  HDC dc = GetDC(window);
  SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(form.lblPlain.hWnd()));
  CHECK(GetTextColor(dc) == RGB(0xf0, 0xe0, 0xd0));
  ReleaseDC(window, dc);

  // Another object without a shape gives the rectangle back.
  REQUIRE(skin.ApplySkin(window, "controlForm"));
  HRGN after = CreateRectRgn(0, 0, 0, 0);
  CHECK(GetWindowRgn(window, after) == ERROR);
  DeleteObject(after);
}

TEST_CASE("skinned controls still work by keyboard and mouse, and show it") {
  SkinnedTool tool;
  int saves = 0;
  tool.form.cmdSave.Click = [&] { ++saves; };
  REQUIRE(tool.skin.ApplySkin(tool.form.cmdSave.hWnd(), "Button"));
  REQUIRE(tool.skin.ApplySkin(tool.form.chkDoPinging.hWnd(), "CheckBox"));
  REQUIRE(tool.skin.ApplySkin(tool.form.optManual.hWnd(), "RadioBox"));

  testing::PressKey(tool.form.cmdSave.hWnd(), VK_SPACE);
  CHECK(saves == 1);
  SendMessageA(tool.form.cmdSave.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  RenderedClient held(tool.form.cmdSave.hWnd());
  CHECK(held.At(6, held.Height() / 2) == RGB(0xc0, 0, 0));
  SendMessageA(tool.form.cmdSave.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  CHECK(saves == 2);

  testing::PressKey(tool.form.chkDoPinging.hWnd(), VK_SPACE);
  CHECK(tool.form.chkDoPinging.Value() == kChecked);
  RenderedClient checked(tool.form.chkDoPinging.hWnd());
  RECT box = GlyphOf(checked);
  CHECK(checked.At(box.left + 3, box.top + 3) == RGB(0, 0x60, 0xc0));

  SendMessageA(tool.form.optManual.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageA(tool.form.optManual.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  CHECK(tool.form.optManual.Value());
  RenderedClient set(tool.form.optManual.hWnd());
  RECT circle = GlyphOf(set);
  CHECK(set.At((circle.left + circle.right) / 2, (circle.top + circle.bottom) / 2) == RGB(0xc0, 0x60, 0));
}
