// The net pinger: a timer that pings a host every few minutes so that an idle
// dial-up or broadband line is not dropped, with the controls to switch it on,
// choose the host (in automatic mode a name server or gateway beyond this
// machine) and the interval, ping at once and save the settings. Loaded hidden at start-up, so the timer
// runs from program start when the pinger is enabled.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "pinger/mdlPing.h"
#include "registry/AppSettings.h"
#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/SettingsBinding.h"
#include "ui/TextBox.h"
#include "ui/Timer.h"
#include "ui/ToolWindowHost.h"

namespace quorvane {

class frmNetPingerSettings : public ToolForm {
 public:
  // A tick is a minute, as the interval list counts.
  static constexpr UINT kTickMs = 60000;
  static constexpr uint32_t kEchoTimeoutMs = 10000;
  static constexpr int kIntervalCount = 60;
  // Automatic mode pings every 6 ticks, and its list shows that entry.
  static constexpr int AutoPingIntervalIndex = 5;
  static constexpr const char* kAutomaticHostText = "Automatic";
  // The manual mode's host when automatic mode has none.
  static constexpr const char* kFallbackManualHost = "127.0.0.1";

  frmNetPingerSettings();

  void SetModified(bool modified) { settings_.SetModified(modified); }
  bool Modified() const { return settings_.Modified(); }
  bool HasUnsavedChanges() const override { return Modified(); }
  bool SaveChanges() override {
    cmdSave_Click();
    return !settings_.Modified();
  }
  void LoadPingerSettings();
  void SavePingerSettings();

  void chkDoPinging_Click();
  void optAuto_Click();
  void optManual_Click();
  void cmdSave_Click();
  void cmdPingNow_Click();
  void tmrPinger_Timer();

  // What the timer and "Ping &Now" ping: set only when settings are loaded or
  // saved. In automatic mode the host is chosen at each ping.
  const std::string& PingHostName() const { return pingHostName_; }
  int PingPeriodTicks() const { return pingPeriodTicks_; }
  int PingTickCount() const { return pingTickCount_; }
  bool PingInFlight() const { return pingInFlight_; }

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
  // The last ping: host, address, outcome and time of day.
  SkinLabel lblPingStatus{frameNetPingerSettings, "lblPingStatus", {120, 3060, 3780, 480}, "No ping yet."};
  CommandButton cmdSave{frameNetPingerSettings, "cmdSave", {4020, 3090, 1200, 375}, "Save"};
  Timer tmrPinger{*this, "tmrPinger", kTickMs, false};

 protected:
  void Form_Load() override;

 private:
  // The host and the period the controls stand for; automatic mode pings its
  // host every AutoPingIntervalIndex + 1 ticks.
  void DeriveHostAndPeriod();
  // One ping of the saved host (automatic mode's host now), shown in
  // the status line; the caller marks it in flight. Nothing when skipped.
  std::optional<PingResult> PingSavedHost();
  void PlayPingSound();
  std::string ManualDefaultHost();

  SettingsBinding settings_{kNetPingerSection, cmdSave};
  // The manual host and interval last loaded or saved, if any.
  struct ManualChoice {
    std::string host;
    int intervalIndex = 0;
  };
  std::optional<ManualChoice> savedManual_;
  std::string pingHostName_;
  bool pingsGateway_ = true;
  int pingPeriodTicks_ = AutoPingIntervalIndex + 1;
  int pingTickCount_ = 0;
  bool pingInFlight_ = false;
  bool loading_ = false;
};

}  // namespace quorvane
