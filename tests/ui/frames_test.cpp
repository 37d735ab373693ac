#include <doctest.h>

#include "ui/Buttons.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/TextBox.h"
#include "ui/UpDown.h"
#include "ui_test_support.h"

using namespace quorvane;

namespace {

class PingerLikeForm : public Form {
 public:
  PingerLikeForm() : Form("frmNested", "Frames", {6000, 4500}, FormOptions{.border = FormBorder::None}) {}

  Frame frameNetPingerSettings{*this, "frameNetPingerSettings", {0, 0, 5900, 4400}, "Net Pinger Settings"};
  CheckBox chkDoPinging{frameNetPingerSettings, "chkDoPinging", {120, 240, 2000, 255}, "Enable Pinger"};
  Frame frameConfigurations{frameNetPingerSettings, "frameConfigurations", {120, 600, 5600, 3000}, "Configuration"};
  OptionButton optAuto{frameConfigurations, "optAuto", {120, 240, 2000, 255}, "Automatic Mode", true};
  TextBox txtPingHost{frameConfigurations, "txtPingHost", {120, 600, 2000, 285}, "Automatic"};
  Frame framInner{frameConfigurations, "framInner", {120, 1000, 3000, 1500}, "Inner"};
  TextBox txtTimeCheck{framInner, "txtTimeCheck", {120, 300, 1000, 285}, "100"};
  UpDown updnTimeCheck{txtTimeCheck, "updnTimeCheck", 100, 65535};
  Label lblCheckTime{framInner, "lblCheckTime", {1300, 300, 1500, 255}, "Do check every"};
  SkinLabel lblHostName{frameConfigurations, "lblHostName", {2400, 600, 1200, 255}, "Ping Host"};
};

class WizardLikeForm : public Form {
 public:
  WizardLikeForm() : Form("frmPages", "Pages", {5460, 3600}, FormOptions{.border = FormBorder::None}) {
    for (int index = 0; index < 3; ++index) {
      frmWizardPages.Add(index, *this, TwipsRect{45, 60, 5340, 3090}, "Step " + std::to_string(index + 1) + " of 3");
      pageText.Add(index, frmWizardPages(index), TwipsRect{120, 300, 3000, 255}, "Page " + std::to_string(index));
    }
  }

  // Shows page k alone, bringing it to the front first.
  void ShowWizardPage(int k) {
    frmWizardPages(k).BringToFront();
    frmWizardPages.ForEach([k](Frame& page) { page.SetVisible(page.Index() == k); });
  }

  ControlArray<Frame> frmWizardPages{"frmWizardPages"};
  ControlArray<Label> pageText{"pageText"};
};

}  // namespace

TEST_CASE("a disabled frame disables everything it holds, and each control keeps its own Enabled") {
  PingerLikeForm form;
  form.Load();
  auto enabled = [](const Control& control) { return IsWindowEnabled(control.hWnd()) != FALSE; };
  REQUIRE(enabled(form.txtPingHost));

  form.frameConfigurations.SetEnabled(false);
  CHECK_FALSE(enabled(form.frameConfigurations));
  CHECK_FALSE(enabled(form.optAuto));
  CHECK_FALSE(enabled(form.txtPingHost));
  CHECK_FALSE(enabled(form.txtTimeCheck));  // two frames deep
  CHECK_FALSE(enabled(form.updnTimeCheck));
  CHECK_FALSE(enabled(form.lblHostName));
  CHECK(enabled(form.chkDoPinging));  // outside the disabled frame
  CHECK(form.txtPingHost.Enabled());  // its own Enabled is unchanged
  CHECK_FALSE(form.txtPingHost.EffectivelyEnabled());

  // Disabled by itself while the frame is disabled: stays so afterwards.
  form.txtPingHost.SetEnabled(false);
  form.frameConfigurations.SetEnabled(true);
  CHECK_FALSE(enabled(form.txtPingHost));
  CHECK(enabled(form.optAuto));
  CHECK(enabled(form.txtTimeCheck));

  // An inner frame disabled inside an enabled one.
  form.framInner.SetEnabled(false);
  CHECK_FALSE(enabled(form.txtTimeCheck));
  CHECK(enabled(form.optAuto));

  // States set before loading are applied when the windows are made.
  PingerLikeForm early;
  early.frameConfigurations.SetEnabled(false);
  early.Load();
  CHECK_FALSE(enabled(early.txtTimeCheck));
  CHECK(enabled(early.chkDoPinging));
}

TEST_CASE("controls sit inside their frame's window, relative to its corner, and hide with it") {
  PingerLikeForm form;
  testing::ShowQuietly(form);
  CHECK(GetParent(form.txtPingHost.hWnd()) == form.frameConfigurations.hWnd());
  CHECK(GetParent(form.frameConfigurations.hWnd()) == form.frameNetPingerSettings.hWnd());
  CHECK(form.txtPingHost.PixelBounds() == PixelRect{8, 40, 133, 19});
  CHECK(form.frameConfigurations.Parent() == &form.frameNetPingerSettings);
  CHECK(form.frameNetPingerSettings.Parent() == &form);

  REQUIRE(IsWindowVisible(form.txtPingHost.hWnd()));
  form.frameConfigurations.SetVisible(false);
  CHECK_FALSE(IsWindowVisible(form.txtPingHost.hWnd()));
  CHECK(form.txtPingHost.Visible());  // its own Visible
  form.frameConfigurations.SetVisible(true);
  CHECK(IsWindowVisible(form.txtPingHost.hWnd()));
}

TEST_CASE("stacked frames: one page shown at a time, brought to the front") {
  WizardLikeForm form;
  testing::ShowQuietly(form);
  form.ShowWizardPage(1);
  CHECK_FALSE(IsWindowVisible(form.frmWizardPages(0).hWnd()));
  CHECK(IsWindowVisible(form.frmWizardPages(1).hWnd()));
  CHECK(IsWindowVisible(form.pageText(1).hWnd()));
  CHECK_FALSE(IsWindowVisible(form.pageText(2).hWnd()));
  CHECK(GetWindow(form.hWnd(), GW_CHILD) == form.frmWizardPages(1).hWnd());  // top of the z-order

  form.ShowWizardPage(2);
  CHECK(GetWindow(form.hWnd(), GW_CHILD) == form.frmWizardPages(2).hWnd());
  CHECK_FALSE(IsWindowVisible(form.frmWizardPages(1).hWnd()));
}

TEST_CASE("labels, check boxes and option buttons take their container's background colour") {
  PingerLikeForm form;
  form.Load();
  const COLORREF pale = RGB(242, 248, 200);
  form.frameConfigurations.SetBackColor(pale);
  HDC dc = GetDC(nullptr);
  auto brushColour = [&](HWND parent, UINT message, const Control& control) -> COLORREF {
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(parent, message, reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(control.hWnd())));
    LOGBRUSH info{};
    if (!brush || !GetObjectA(brush, sizeof info, &info)) return CLR_INVALID;
    return info.lbColor;
  };
  HWND frame = form.frameConfigurations.hWnd();
  CHECK(brushColour(frame, WM_CTLCOLORSTATIC, form.lblHostName) == pale);
  CHECK(brushColour(frame, WM_CTLCOLORSTATIC, form.optAuto) == pale);
  // The inner frame has no colour of its own: it passes the outer one on.
  CHECK(brushColour(form.framInner.hWnd(), WM_CTLCOLORSTATIC, form.lblCheckTime) == pale);
  // An edit box keeps the system's colours, also while disabled; a control's own colour wins.
  CHECK(brushColour(frame, WM_CTLCOLOREDIT, form.txtPingHost) != pale);
  CHECK(brushColour(frame, WM_CTLCOLORSTATIC, form.txtPingHost) != pale);
  form.lblHostName.SetBackColor(RGB(255, 255, 204));
  CHECK(brushColour(frame, WM_CTLCOLORSTATIC, form.lblHostName) == RGB(255, 255, 204));
  ReleaseDC(nullptr, dc);
}
