// A form with every kind of control of the layer, for a person to look at:
// fonts, sizes and placement from twips, frames and their groups. Closes itself
// after the number of seconds given on the command line, if any.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/Menu.h"
#include "ui/MessageLoop.h"
#include "ui/PictureBox.h"
#include "ui/Slider.h"
#include "ui/TextBox.h"
#include "ui/Timer.h"
#include "ui/UpDown.h"

using namespace quorvane;

namespace {

class frmDemo : public Form {
 public:
  explicit frmDemo(UINT closeAfterMs)
      : Form("frmDemo", "Quorvane controls", {9600, 5400}, FormOptions{.showInTaskbar = true}) {
    static const char* const kModes[] = {"Automatic-A", "Automatic-B", "Automatic-C", "Automatic-D"};
    for (int index = 0; index < 4; ++index)
      optMode.Add(index, frameModes, TwipsRect{120 + (index % 2) * 1800, 300 + (index / 2) * 300, 1700, 255},
                  kModes[index], index == 0);
    optMode.Handle(&OptionButton::Click, [this](int index) {
      lblModeDescrip.SetCaption("MSS = " + std::to_string(536 + index) + "\tMTU = 576\t\tICMP = False");
    });
    lstBackUpList.AddColumn("File Name", 1150);
    lstBackUpList.AddColumn("Creating Date", 1450);
    lstBackUpList.AddColumn("Creating Time", 1450);
    sldFreeMomoryReq.Change = [this] { sldFreeMomoryReq_Change(); };
    picChart.Paint = [](HDC dc, const RECT& client) { DrawChart(dc, client); };
    picChart.MouseUp = [this](const MouseEventArgs& args) {
      if (args.button == kRightButton) PopupMenu(mnuPopup);
    };
    chkDoPinging.Click = [this] { frameConfigurations.SetEnabled(chkDoPinging.Value() == kChecked); };
    mnuExit.Click = [this] { Unload(); };
    cmdClose.Click = [this] { Unload(); };
    tmrClose.Tick = [this] { Unload(); };
    tmrClose.SetInterval(closeAfterMs);
    cmdSave.SetDefault(true);
    framOpt.SetEnabled(false);
  }

 private:
  void Form_Load() override {
    lstBackUpList.AddRow({"001.BCK", "03/05/2004", "09:00:00"});
    lstBackUpList.AddRow({"002.BCK", "04/05/2004", "17:30:00"});
    lstBackUpList.AddRow({"003.BCK", "05/05/2004", "12:15:00"});
    lstBackUpList.SetSelectedIndex(1);
    cmbNDI.SetListIndex(4);
    sldFreeMomoryReq.SetRange(0, 512);
    sldFreeMomoryReq.SetTickFrequency(64);
    sldFreeMomoryReq.SetValue(128);
    chkDoPinging.SetValue(kChecked);
  }

  void Form_Unload() override { PostQuitMessage(0); }

  void sldFreeMomoryReq_Change() {
    std::string value = std::to_string(sldFreeMomoryReq.Value());
    lblTargetMemoryNeeded.SetCaption("Target Level Of RAM " + value + "MB.");
    sldFreeMomoryReq.SetToolTipText(value + " MB to free when Optimize is clicked");
  }

  static void DrawChart(HDC dc, const RECT& client) {
    HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
    FillRect(dc, &client, black);
    DeleteObject(black);
    HPEN green = CreatePen(PS_SOLID, 1, RGB(0, 255, 0));
    HGDIOBJ previous = SelectObject(dc, green);
    static const int kSamples[] = {20, 35, 30, 60, 45, 80, 70, 55, 65, 40, 50, 75};
    int count = static_cast<int>(sizeof kSamples / sizeof kSamples[0]);
    for (int i = 0; i < count; ++i) {
      int x = client.left + (client.right - client.left) * i / (count - 1);
      int y = client.bottom - (client.bottom - client.top) * kSamples[i] / 100;
      if (i == 0) MoveToEx(dc, x, y, nullptr);
      else LineTo(dc, x, y);
    }
    SelectObject(dc, previous);
    DeleteObject(green);
  }

  Frame frameModes{*this, "frameModes", {120, 120, 3900, 1900}, "Optimization Modes"};
  ControlArray<OptionButton> optMode{"optMode"};
  SkinLabel lblModeDescrip{frameModes, "lblModeDescrip", {120, 1000, 3600, 700}, "Modes Description"};

  Frame frameNetPinger{*this, "frameNetPinger", {4200, 120, 5280, 1900}, "Net Pinger Settings"};
  CheckBox chkDoPinging{frameNetPinger, "chkDoPinging", {120, 280, 2000, 255}, "Enable Pinger"};
  Frame frameConfigurations{frameNetPinger, "frameConfigurations", {120, 600, 5040, 1180}, "Configuration"};
  Label lblHostName{frameConfigurations, "lblHostName", {120, 300, 900, 255}, "Ping Host"};
  TextBox txtPingHost{frameConfigurations, "txtPingHost", {1050, 270, 1900, 285}, "127.0.0.1"};
  ComboBox cmbNDI{frameConfigurations, "cmbNDI", {3100, 270, 1300, 315}, {"0", "2", "4", "8", "16", "32", "64"}};
  CheckBox chkSound{frameConfigurations, "chkSound", {120, 700, 2200, 255}, "Play &Sound at Ping", kGrayed};
  TextBox txtSYNValue{frameConfigurations, "txtSYNValue", {3100, 680, 900, 285}, "2"};
  UpDown updwnDescision{txtSYNValue, "updwnDescision", 0, 2};

  ListView lstBackUpList{*this, "lstBackUpList", {120, 2160, 4300, 1700}};
  PictureBox picChart{*this, "picChart", {4550, 2160, 2100, 1700}};
  TextBox txtNotes{*this, "txtNotes", {6780, 2160, 2700, 1700},
                   "A multi-line text box.\r\nRight-click the chart for the menu.",
                   TextBoxOptions{.multiLine = true, .verticalScrollBar = true}};

  Slider sldFreeMomoryReq{*this, "sldFreeMomoryReq", {120, 4020, 3900, 450}};
  SkinLabel lblTargetMemoryNeeded{*this, "lblTargetMemoryNeeded", {120, 4500, 3900, 255}, ""};
  Frame framOpt{*this, "framOpt", {4550, 3960, 4930, 720}, "Automatic Optimization"};
  CheckBox chkAutomatic{framOpt, "chkAutomatic", {120, 300, 4500, 255}, "Optimize automatically (frame disabled)"};

  CommandButton cmdSave{*this, "cmdSave", {4950, 4860, 1400, 375}, "&Save"};
  CommandButton cmdPingNow{*this, "cmdPingNow", {6450, 4860, 1400, 375}, "Ping &Now"};
  CommandButton cmdClose{*this, "cmdClose", {7950, 4860, 1400, 375}, "Close"};
  Label lblStatus{*this, "lblStatus", {120, 4920, 4500, 255}, "Every control kind of the layer, at 96 dpi."};

  Timer tmrClose{*this, "tmrClose"};
  Menu mnuPopup{*this, "mnuPopup", "Popup Menu"};
  MenuItem mnuMainWindow{mnuPopup, "mnuMainWindow", "Main Window"};
  MenuItem mnuSep1{mnuPopup, "mnuSep1", "-"};
  MenuItem mnuExit{mnuPopup, "mnuExit", "&Exit"};
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  UINT closeAfterMs = static_cast<UINT>(std::atoi(commandLine)) * 1000;
  frmDemo demo(closeAfterMs);
  demo.SetPositionTwips(600, 600);
  demo.Show();
  return RunMessageLoop();
}
