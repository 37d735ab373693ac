#include <doctest.h>

#include <windows.h>

#include <optional>

#include "shell/skin/SkinControl.h"
#include "shell/skin/skin_test_support.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/TextBox.h"
#include "ui/Timer.h"
#include "ui/ui_test_support.h"

using namespace quorvane;

namespace {

// A tool window with a control of every kind, as tool windows skin themselves
// when they load: "controlForm" on the window, then every control.
class SkinningToolWindow : public Form {
 public:
  explicit SkinningToolWindow(SkinControl& skin, bool skinsItself = true)
      : Form("frmSkinning", "Skinning", {6000, 4000}, FormOptions{.border = FormBorder::None}),
        skin_(skin),
        skinsItself_(skinsItself) {
    SetPositionTwips(4500, 4500);
    frameNo.SetTag("No");
    frameLowerNo.SetTag("no");
    frameNoBlank.SetTag("No ");
  }

 private:
  void Form_Load() override {
    if (!skinsItself_) return;
    skin_.ApplySkin(hWnd(), "controlForm");
    ApplySkinToAllControls(skin_, *this);
  }

  SkinControl& skin_;
  bool skinsItself_;

 public:
  CommandButton cmdSave{*this, "cmdSave", {120, 120, 1200, 375}, "Save"};
  SkinLabel lblDescrip{*this, "lblDescrip", {120, 600, 2000, 255}, "Skinned"};
  Label lblPlain{*this, "lblPlain", {120, 900, 2000, 255}, "Plain"};
  Frame framePlain{*this, "framePlain", {2400, 120, 1500, 900}, "Plain frame"};
  Frame frameNo{*this, "frameNo", {2400, 1100, 1500, 900}, "Tagged No"};
  Frame frameLowerNo{*this, "frameLowerNo", {2400, 2100, 1500, 900}, "Tagged no"};
  Frame frameNoBlank{*this, "frameNoBlank", {4000, 120, 1500, 900}, "Tagged No and a blank"};
  CheckBox chkDoPinging{frameNo, "chkDoPinging", {120, 300, 1200, 255}, "Ping"};
  OptionButton optAuto{framePlain, "optAuto", {120, 300, 1200, 255}, "Automatic"};
  TextBox txtHost{*this, "txtHost", {120, 1300, 2000, 285}, "127.0.0.1"};
  PictureBox picChart{*this, "picChart", {120, 1700, 1000, 800}};
  Timer tmrPinger{*this, "tmrPinger", 65535, false};
  CommandButton cmdClose{*this, "cmdClose", {120, 3000, 1200, 375}, "Close"};
};

std::optional<SkinObject> Applied(const Control& control) { return SkinControl::AppliedObject(control.hWnd()); }

}  // namespace

TEST_CASE("each kind of control is given its skin object; any other control nothing") {
  SkinControl skin;
  testing::TempSkinFile file("all.skn", testing::kTestSkin);
  REQUIRE(skin.LoadSkin(file.Path()));
  SkinningToolWindow window(skin);
  CHECK(SkinObjectForControl(window.cmdSave) == "Button");
  CHECK(SkinObjectForControl(window.lblDescrip) == "Label");
  CHECK(SkinObjectForControl(window.lblPlain).empty());
  CHECK(SkinObjectForControl(window.framePlain) == "Frame");
  CHECK(SkinObjectForControl(window.frameNo) == "NoFrame");
  CHECK(SkinObjectForControl(window.frameLowerNo) == "Frame");  // the tag's case matters
  CHECK(SkinObjectForControl(window.frameNoBlank) == "Frame");
  CHECK(SkinObjectForControl(window.chkDoPinging) == "CheckBox");
  CHECK(SkinObjectForControl(window.optAuto) == "RadioBox");
  CHECK(SkinObjectForControl(window.txtHost).empty());
  CHECK(SkinObjectForControl(window.picChart).empty());
  CHECK(SkinObjectForControl(window.tmrPinger).empty());

  testing::ShowQuietly(window);
  CHECK(SkinControl::AppliedObject(window.hWnd()) == SkinObject::ControlForm);
  CHECK(Applied(window.cmdSave) == SkinObject::Button);
  CHECK(Applied(window.lblDescrip) == SkinObject::Label);
  CHECK_FALSE(Applied(window.lblPlain));
  CHECK(Applied(window.framePlain) == SkinObject::Frame);
  CHECK(Applied(window.frameNo) == SkinObject::NoFrame);
  CHECK(Applied(window.frameLowerNo) == SkinObject::Frame);
  CHECK(Applied(window.chkDoPinging) == SkinObject::CheckBox);  // inside a frame
  CHECK(Applied(window.optAuto) == SkinObject::RadioBox);
  CHECK_FALSE(Applied(window.txtHost));
  CHECK_FALSE(Applied(window.picChart));
  CHECK(Applied(window.cmdClose) == SkinObject::Button);

  // What shows: the NoFrame frame has no border, the other frames have one.
  testing::RenderedClient tagged(window.frameNo.hWnd());
  CHECK(tagged.Count(RGB(0, 0x60, 0), 0) == 0);
  testing::RenderedClient lower(window.frameLowerNo.hWnd());
  CHECK(lower.At(lower.Width() / 2, lower.Height() - 1) == RGB(0, 0x60, 0));
  window.Unload();
}

TEST_CASE("a control without a window or one the skin rejects is skipped, and the rest are skinned") {
  SkinControl skin;
  testing::TempSkinFile file("skip.skn", testing::kTestSkin);
  REQUIRE(skin.LoadSkin(file.Path()));
  SkinningToolWindow window(skin, false);
  testing::ShowQuietly(window);
  // The first button has lost its window, the check box's window has become a
  // group box the skin cannot take; the controls after them still get theirs.
  DestroyWindow(window.cmdSave.hWnd());
  REQUIRE(window.cmdSave.hWnd() == nullptr);
  SetWindowLongPtrA(window.chkDoPinging.hWnd(), GWL_STYLE, WS_CHILD | WS_VISIBLE | BS_GROUPBOX);
  HWND loose = CreateWindowExA(0, "BUTTON", "Loose", WS_CHILD | BS_PUSHBUTTON, 0, 0, 60, 20, window.hWnd(), nullptr,
                               nullptr, nullptr);

  ApplySkinToAllControls(skin, window);
  CHECK_FALSE(Applied(window.chkDoPinging));
  CHECK(Applied(window.lblDescrip) == SkinObject::Label);
  CHECK(Applied(window.optAuto) == SkinObject::RadioBox);
  CHECK(Applied(window.cmdClose) == SkinObject::Button);
  // Only the form's controls: a window it does not know stays as it is.
  CHECK_FALSE(SkinControl::AppliedObject(loose));
  window.Unload();
}

TEST_CASE("with the plain look every control is still skinned") {
  SkinControl skin;
  CHECK_FALSE(skin.LoadSkin("C:\\no such folder\\QuorvaneMask.skn"));
  SkinningToolWindow window(skin);
  testing::ShowQuietly(window);
  CHECK(Applied(window.cmdSave) == SkinObject::Button);
  CHECK(Applied(window.frameNo) == SkinObject::NoFrame);
  CHECK(window.BackColor() == GetSysColor(COLOR_BTNFACE));
  testing::RenderedClient button(window.cmdClose.hWnd());
  CHECK(button.At(6, button.Height() / 2) == GetSysColor(COLOR_BTNFACE));
  window.Unload();
}
