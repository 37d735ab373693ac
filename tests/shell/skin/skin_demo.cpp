// A main window in the skin's look, for a person to look at: the movie's face,
// rounded by "Main", and over its stage a tool window ("controlForm") holding
// every kind of control the skin restyles, in its normal, hovered, pressed,
// focused, set and disabled states. Closes itself after the number of seconds
// given on the command line, if any.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "shell/movie/MovieControl.h"
#include "shell/skin/SkinControl.h"
#include "system/ProgramFolder.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/MessageLoop.h"
#include "ui/TextBox.h"
#include "ui/Timer.h"

using namespace quorvane;

namespace {

SkinControl skin;

class frmSkinDemoTool : public Form {
 public:
  frmSkinDemoTool() : Form("frmSkinDemoTool", "Skin demo", {5400, 3660}, FormOptions{.border = FormBorder::None}) {
    cmdSave.SetDefault(true);
    optDisabled.SetEnabled(false);
    chkDisabled.SetEnabled(false);
    cmdDisabled.SetEnabled(false);
  }

  void ShowStates() {
    // The mouse over one button, another held down, the keyboard focus on a check box.
    SendMessageA(cmdPingNow.hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(cmdPressed.hWnd(), BM_SETSTATE, TRUE, 0);
    SendMessageA(chkSound.hWnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    chkSound.SetFocus();
  }

 private:
  void Form_Load() override {
    skin.ApplySkin(hWnd(), "controlForm");
    ApplySkinToAllControls(skin, *this);
    if (!skin.LoadError().empty()) lblStatus.SetCaption(skin.LoadError());
  }

  Frame frameModes{*this, "frameModes", {120, 60, 2520, 1440}, "Optimization Mode"};
  OptionButton optAutomatic{frameModes, "optAutomatic", {150, 330, 2250, 255}, "Automatic", true};
  OptionButton optManual{frameModes, "optManual", {150, 675, 2250, 255}, "Manual settings"};
  OptionButton optDisabled{frameModes, "optDisabled", {150, 1020, 2250, 255}, "Not available here"};

  Frame frameNetPinger{*this, "frameNetPinger", {2760, 60, 2520, 1440}, "Net Pinger"};
  CheckBox chkDoPinging{frameNetPinger, "chkDoPinging", {150, 300, 2250, 255}, "Enable Pinger", kChecked};
  CheckBox chkSound{frameNetPinger, "chkSound", {150, 570, 2250, 255}, "Play &Sound at Ping"};
  CheckBox chkGrayed{frameNetPinger, "chkGrayed", {150, 840, 2250, 255}, "Some adapters only", kGrayed};
  CheckBox chkDisabled{frameNetPinger, "chkDisabled", {150, 1110, 2250, 255}, "Run at start (off)", kChecked};

  SkinLabel lblModeDescrip{*this, "lblModeDescrip", {120, 1600, 5160, 480},
                           "MSS = 1460\tMTU = 1500\tRWIN = 64240\r\nA skinned label wraps its text and expands tabs."};
  Label lblHostName{*this, "lblHostName", {120, 2200, 1100, 255}, "Ping Host"};
  TextBox txtPingHost{*this, "txtPingHost", {1260, 2160, 2400, 300}, "127.0.0.1"};
  Frame framOptions{*this, "framOptions", {3780, 2100, 1500, 420}, ""};
  SkinLabel lblNoFrame{framOptions, "lblNoFrame", {90, 90, 1320, 255}, "Tagged \"No\""};

  CommandButton cmdSave{*this, "cmdSave", {120, 2700, 1200, 405}, "&Save"};
  CommandButton cmdPingNow{*this, "cmdPingNow", {1440, 2700, 1200, 405}, "Ping &Now"};
  CommandButton cmdPressed{*this, "cmdPressed", {2760, 2700, 1200, 405}, "Pressed"};
  CommandButton cmdDisabled{*this, "cmdDisabled", {4080, 2700, 1200, 405}, "Disabled"};
  Label lblStatus{*this, "lblStatus", {120, 3240, 5160, 255}, "Default, hovered, pressed and disabled buttons."};

 public:
  void TagFrames() { framOptions.SetTag("No"); }
};

class frmSkinDemoMain : public Form {
 public:
  explicit frmSkinDemoMain(UINT closeAfterMs)
      : Form("frmSkinDemoMain", "Quorvane", {10710, 7485}, FormOptions{.border = FormBorder::None, .showInTaskbar = true}) {
    tmrClose.Tick = [this] { Unload(); };
    tmrClose.SetInterval(closeAfterMs);
  }

  frmSkinDemoTool tool;

 private:
  void Form_Load() override {
    const std::string folder = ProgramFolder();
    Flash.Create(hWnd(), -1, -38, 709, 513);
    Flash.LoadMovie(0, folder + "\\Quorvane.swf");
    SetWindowPos(Flash.hWnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    skin.LoadSkin(folder + "\\QuorvaneMask.skn");
    skin.ApplySkin(hWnd(), "Main");
    skin.ApplySkin(framChildWindow.hWnd(), "NoFrame");
    tool.TagFrames();
    tool.HostIn(framChildWindow.hWnd());
    tool.Load();
    tool.Show();
    framChildWindow.BringToFront();
  }

  void Form_Unload() override {
    tool.Unload();
    PostQuitMessage(0);
  }

  MovieControl Flash;
  Frame framChildWindow{*this, "framChildWindow", {3465, 1785, 5400, 3660}};
  Timer tmrClose{*this, "tmrClose"};
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  UINT closeAfterMs = static_cast<UINT>(std::atoi(commandLine)) * 1000;
  frmSkinDemoMain demo(closeAfterMs);
  demo.SetPositionTwips(900, 600);
  demo.Show();
  demo.tool.ShowStates();
  return RunMessageLoop();
}
