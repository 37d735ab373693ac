// The net pinger's window: the controls to switch the keep-alive pinger on,
// choose the host (in automatic mode a name server or gateway beyond this
// machine) and the interval, ping at once and save the settings. A view of the
// NetPinger engine, which pings from program start whether the window was ever
// shown or not: the window shows the engine's settings and status line, and
// Save hands the engine what it wrote.
#pragma once

#include <string>

#include "pinger/NetPinger.h"
#include "registry/AppSettings.h"
#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/SettingsBinding.h"
#include "ui/TextBox.h"
#include "ui/ToolWindowHost.h"

namespace quorvane {

class frmNetPingerSettings : public ToolForm {
 public:
  // The manual mode's host when automatic mode has none.
  static constexpr const char* kFallbackManualHost = "127.0.0.1";

  explicit frmNetPingerSettings(NetPinger& engine);
  ~frmNetPingerSettings() override;

  void SetModified(bool modified) { settings_.SetModified(modified); }
  bool Modified() const { return settings_.Modified(); }
  bool HasUnsavedChanges() const override { return Modified(); }
  bool SaveChanges() override {
    cmdSave_Click();
    return !settings_.Modified();
  }
  void SavePingerSettings();

  void chkDoPinging_Click();
  void optAuto_Click();
  void optManual_Click();
  void cmdSave_Click();
  void cmdPingNow_Click();

  Frame frameNetPingerSettings{*this, "frameNetPingerSettings", {0, 0, 5340, 3585}, "Net Pinger Settings"};
  SkinLabel lblPingerDescription{frameNetPingerSettings, "lblPingerDescription", {120, 195, 5100, 840}};
  CheckBox chkDoPinging{frameNetPingerSettings, "chkDoPinging", {120, 1050, 2400, 255}, "Enable Pinger"};
  Frame frameConfigurations{frameNetPingerSettings, "frameConfigurations", {120, 1335, 5100, 1650}, "Configuration"};
  OptionButton optAuto{frameConfigurations, "optAuto", {120, 240, 1860, 255}, "Automatic Mode", true};
  OptionButton optManual{frameConfigurations, "optManual", {2040, 240, 1860, 255}, "Manual Mode"};
  SkinLabel lblHostName{frameConfigurations, "lblHostName", {120, 615, 1140, 255}, "Ping Host"};
  TextBox txtPingHost{frameConfigurations, "txtPingHost", {1380, 570, 2100, 315}};
  SkinLabel lblPingInterval{frameConfigurations, "lblPingInterval", {120, 990, 1140, 255}, "Ping Interval"};
  ComboBox cmbPingInterval{frameConfigurations, "cmbPingInterval", {1380, 945, 1320, 315}};
  CheckBox chkSound{frameConfigurations, "chkSound", {120, 1335, 2400, 255}, "Play &Sound at Ping"};
  CommandButton cmdPingNow{frameConfigurations, "cmdPingNow", {3600, 555, 1335, 375}, "Ping &Now"};
  // The engine's status: the last ping (host, address, outcome, time of day) or a save.
  SkinLabel lblPingStatus{frameNetPingerSettings, "lblPingStatus", {120, 3060, 3780, 480}};
  CommandButton cmdSave{frameNetPingerSettings, "cmdSave", {4020, 3090, 1200, 375}, "Save"};

 protected:
  void Form_Load() override;

 private:
  // The engine's settings in the controls, as saved: nothing to save.
  void ShowSettings(const NetPingerSettings& settings);
  NetPingerSettings ShownSettings() const;
  std::string ManualDefaultHost();

  NetPinger& engine_;
  SettingsBinding settings_{kNetPingerSection, cmdSave};
  bool loading_ = false;
};

}  // namespace quorvane
