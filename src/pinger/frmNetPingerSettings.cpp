#include "pinger/frmNetPingerSettings.h"

#include <algorithm>
#include <optional>

#include "common/ProgramName.h"
#include "pinger/DottedAddress.h"
#include "pinger/PingNetwork.h"
#include "system/Effects.h"
#include "system/ProgramFolder.h"
#include "ui/MessageLoop.h"

namespace quorvane {

namespace {

constexpr const char* kDescription =
    "The PING utility helps to keep you from getting your modem connection disconnected by your service "
    "provider. Most Internet Service Providers Disconnect users after a fixed period of modem inactivity";

// Rounds of pending messages before "Ping &Now" starts its ping.
constexpr int kPingNowMessageRounds = 6;

std::string TimeOfDay() {
  char text[64] = {};
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, sizeof text);
  return text;
}

// "localhost (127.0.0.1): reply in 3 ms at 14:03:11", "Automatic: 203.0.113.53, your
// name server: reply ...": the host as shown, its address when the host was a name.
std::string DescribePing(const std::string& shown, const std::string& host, const PingResult& result) {
  std::string text = shown;
  if (!result.address.empty() && result.address != host) text += " (" + result.address + ")";
  switch (result.outcome) {
    case PingOutcome::Reply: text += ": reply in " + std::to_string(result.roundTripMs) + " ms"; break;
    case PingOutcome::NoReply: text += ": no reply"; break;
    case PingOutcome::HostNotFound: text += ": host not found"; break;
    case PingOutcome::NotStarted: text += ": Windows Sockets is not available"; break;
  }
  return text + " at " + TimeOfDay();
}

// Marks a ping in flight for as long as it lives.
class InFlight {
 public:
  explicit InFlight(bool& flag) : flag_(flag) { flag_ = true; }
  ~InFlight() { flag_ = false; }
  InFlight(const InFlight&) = delete;
  InFlight& operator=(const InFlight&) = delete;

 private:
  bool& flag_;
};

}  // namespace

frmNetPingerSettings::frmNetPingerSettings() : ToolForm("frmNetPingerSettings", "Net Pinger", {5400, 3660}) {
  lblPingerDescription.SetCaption(kDescription);
  settings_.Bind(chkDoPinging, "0")
      .Bind(optAuto, "true")
      .Bind(optManual, "false")
      .Bind(txtPingHost, kAutomaticHostText,
            {lblHostName.Caption(), [](const std::string& host) { return IsPingHostText(host); },
             [] { return "a dotted IPv4 address or a host name (letters, digits, hyphens and dots, at most 253 "
                         "characters)"; }})
      .Bind(cmbPingInterval, std::to_string(AutoPingIntervalIndex))
      .Bind(chkSound, "0");
  chkDoPinging.Click = [this] { chkDoPinging_Click(); };
  optAuto.Click = [this] { optAuto_Click(); };
  optManual.Click = [this] { optManual_Click(); };
  txtPingHost.Change = [this] { SetModified(true); };
  cmbPingInterval.Click = [this] { SetModified(true); };
  chkSound.Click = [this] { SetModified(true); };
  cmdPingNow.Click = [this] { cmdPingNow_Click(); };
  cmdSave.Click = [this] { cmdSave_Click(); };
  tmrPinger.Tick = [this] { tmrPinger_Timer(); };
}

void frmNetPingerSettings::Form_Load() {
  Host().SkinToolWindow(*this);
  cmbPingInterval.Clear();
  for (int minutes = 1; minutes <= kIntervalCount; ++minutes) cmbPingInterval.AddItem(std::to_string(minutes) + " min.");
  cmdSave.SetEnabled(false);
  LoadPingerSettings();
  tmrPinger.SetEnabled(chkDoPinging.Value() == kChecked);
}

void frmNetPingerSettings::LoadPingerSettings() {
  loading_ = true;
  settings_.Load();
  loading_ = false;
  // Neither mode stored as set: the table's default mode.
  if (!optAuto.Value() && !optManual.Value()) optAuto.SetValue(true);
  const bool automatic = optAuto.Value();
  txtPingHost.SetEnabled(!automatic);
  cmbPingInterval.SetEnabled(!automatic);
  if (automatic) {
    txtPingHost.SetText(kAutomaticHostText);
    cmbPingInterval.SetListIndex(AutoPingIntervalIndex);
  }
  DeriveHostAndPeriod();
  chkDoPinging_Click();
  SetModified(false);
}

void frmNetPingerSettings::SavePingerSettings() {
  const SettingsBinding::SaveOutcome outcome = settings_.Save();
  if (outcome.refused) return;  // nothing written, nothing changes
  DeriveHostAndPeriod();
  tmrPinger.SetEnabled(chkDoPinging.Value() == kChecked);
  if (outcome.Saved()) {
    lblPingStatus.SetCaption("Settings saved.");
    return;
  }
  // The pinger runs as the window shows for this run; the user learns it will not last.
  SetModified(true);
  CurrentEffects().ShowMessageBox(hWnd(), DescribeSaveFailures(outcome.failures), kProgramName,
                                  MB_OK | MB_ICONEXCLAMATION);
}

void frmNetPingerSettings::DeriveHostAndPeriod() {
  pingsGateway_ = optAuto.Value();
  // What Manual brings back after a switch to Automatic and back.
  if (!pingsGateway_) savedManual_ = ManualChoice{txtPingHost.Text(), cmbPingInterval.ListIndex()};
  pingHostName_ = pingsGateway_ ? std::string() : txtPingHost.Text();
  const int index = pingsGateway_ ? AutoPingIntervalIndex : cmbPingInterval.ListIndex();
  pingPeriodTicks_ = std::max(1, index + 1);
}

void frmNetPingerSettings::chkDoPinging_Click() {
  const bool enabled = chkDoPinging.Value() == kChecked;
  frameConfigurations.SetEnabled(enabled);
  SetModified(true);
}

void frmNetPingerSettings::optAuto_Click() {
  SetModified(true);
  txtPingHost.SetEnabled(false);
  cmbPingInterval.SetEnabled(false);
  txtPingHost.SetText(kAutomaticHostText);
  cmbPingInterval.SetListIndex(AutoPingIntervalIndex);
}

void frmNetPingerSettings::optManual_Click() {
  SetModified(true);
  // While loading, the stored host follows: no gateway lookup at start-up.
  if (!loading_ && savedManual_) {
    txtPingHost.SetText(savedManual_->host);
    cmbPingInterval.SetListIndex(savedManual_->intervalIndex);
  } else if (!loading_) {
    txtPingHost.SetText(ManualDefaultHost());
  }
  txtPingHost.SetEnabled(true);
  cmbPingInterval.SetEnabled(true);
}

std::string frmNetPingerSettings::ManualDefaultHost() {
  const std::optional<AutomaticHost> automatic = FindAutomaticHost();
  return automatic ? automatic->address : kFallbackManualHost;
}

void frmNetPingerSettings::cmdSave_Click() {
  SetModified(false);
  SavePingerSettings();
}

void frmNetPingerSettings::cmdPingNow_Click() {
  if (pingInFlight_) return;
  InFlight inFlight(pingInFlight_);
  DoEvents(kPingNowMessageRounds);
  const std::optional<PingResult> result = PingSavedHost();
  if (result && result->outcome == PingOutcome::Reply && chkSound.Value() == kChecked) PlayPingSound();
}

void frmNetPingerSettings::tmrPinger_Timer() {
  if (pingTickCount_ < pingPeriodTicks_ - 1) {
    ++pingTickCount_;
    return;
  }
  pingTickCount_ = 0;
  // A ping is on the line already: this one is skipped, the count goes on.
  if (pingInFlight_) return;
  InFlight inFlight(pingInFlight_);
  if (PingSavedHost() && chkSound.Value() == kChecked) PlayPingSound();
}

std::optional<PingResult> frmNetPingerSettings::PingSavedHost() {
  std::string host = pingHostName_;
  std::string shownHost = host;
  if (pingsGateway_) {
    const std::optional<AutomaticHost> automatic = FindAutomaticHost();
    if (!automatic) {
      lblPingStatus.SetCaption(std::string(kNoAutomaticHostText) + " at " + TimeOfDay());
      return std::nullopt;
    }
    host = automatic->address;
    shownHost = AutomaticHostLabel(*automatic);
  }
  lblPingStatus.SetCaption("Pinging " + shownHost + "...");
  const PingResult result = PingHostWithResult(host, kEchoTimeoutMs);
  lblPingStatus.SetCaption(DescribePing(shownHost, host, result));
  return result;
}

void frmNetPingerSettings::PlayPingSound() { CurrentEffects().PlaySoundFile(ProgramFolder() + "\\Ping.wav"); }

}  // namespace quorvane
