#include "pinger/frmNetPingerSettings.h"

#include <optional>

#include "common/ProgramName.h"
#include "pinger/DottedAddress.h"
#include "pinger/PingNetwork.h"
#include "system/Effects.h"

namespace quorvane {

namespace {

constexpr const char* kDescription =
    "The PING utility helps to keep you from getting your modem connection disconnected by your service "
    "provider. Most Internet Service Providers Disconnect users after a fixed period of modem inactivity";

}  // namespace

frmNetPingerSettings::frmNetPingerSettings(NetPinger& engine)
    : ToolForm("frmNetPingerSettings", "Net Pinger", {5400, 3660}), engine_(engine) {
  lblPingerDescription.SetCaption(kDescription);
  // The engine reads the settings, defaults included; the binding checks and writes them.
  settings_.Bind(chkDoPinging, {})
      .Bind(optAuto, {})
      .Bind(optManual, {})
      .Bind(txtPingHost, {},
            {lblHostName.Caption(), [](const std::string& host) { return IsPingHostText(host); },
             [] { return "a dotted IPv4 address or a host name (letters, digits, hyphens and dots, at most 253 "
                         "characters)"; }})
      .Bind(cmbPingInterval, {})
      .Bind(chkSound, {});
  chkDoPinging.Click = [this] { chkDoPinging_Click(); };
  optAuto.Click = [this] { optAuto_Click(); };
  optManual.Click = [this] { optManual_Click(); };
  txtPingHost.Change = [this] { SetModified(true); };
  cmbPingInterval.Click = [this] { SetModified(true); };
  chkSound.Click = [this] { SetModified(true); };
  cmdPingNow.Click = [this] { cmdPingNow_Click(); };
  cmdSave.Click = [this] { cmdSave_Click(); };
  engine_.StatusChanged = [this] { lblPingStatus.SetCaption(engine_.StatusText()); };
}

frmNetPingerSettings::~frmNetPingerSettings() { engine_.StatusChanged = nullptr; }

void frmNetPingerSettings::Form_Load() {
  Host().SkinToolWindow(*this);
  cmbPingInterval.Clear();
  for (int minutes = 1; minutes <= kPingIntervalCount; ++minutes)
    cmbPingInterval.AddItem(std::to_string(minutes) + " min.");
  cmdSave.SetEnabled(false);
  ShowSettings(engine_.Settings());
  lblPingStatus.SetCaption(engine_.StatusText());
}

void frmNetPingerSettings::ShowSettings(const NetPingerSettings& settings) {
  // Setting a control raises its event as a change would; Manual's must not look up a host.
  loading_ = true;
  chkDoPinging.SetValue(settings.enabled ? kChecked : kUnchecked);
  optAuto.SetValue(settings.automatic);
  optManual.SetValue(!settings.automatic);
  txtPingHost.SetText(settings.host);
  cmbPingInterval.SetListIndex(settings.intervalIndex);
  chkSound.SetValue(settings.sound ? kChecked : kUnchecked);
  loading_ = false;
  txtPingHost.SetEnabled(!settings.automatic);
  cmbPingInterval.SetEnabled(!settings.automatic);
  chkDoPinging_Click();
  SetModified(false);
}

NetPingerSettings frmNetPingerSettings::ShownSettings() const {
  NetPingerSettings shown;
  shown.enabled = chkDoPinging.Value() == kChecked;
  shown.automatic = optAuto.Value();
  shown.host = txtPingHost.Text();
  shown.intervalIndex = cmbPingInterval.ListIndex();
  shown.sound = chkSound.Value() == kChecked;
  return shown;
}

void frmNetPingerSettings::SavePingerSettings() {
  const SettingsBinding::SaveOutcome outcome = settings_.Save();
  if (outcome.refused) return;  // nothing written, nothing changes
  engine_.Apply(ShownSettings(), outcome.Saved());
  if (outcome.Saved()) return;
  // The pinger runs as the window shows for this run; the user learns it will not last.
  SetModified(true);
  CurrentEffects().ShowMessageBox(hWnd(), DescribeSaveFailures(outcome.failures), kProgramName,
                                  MB_OK | MB_ICONEXCLAMATION);
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
  cmbPingInterval.SetListIndex(kAutoPingIntervalIndex);
}

void frmNetPingerSettings::optManual_Click() {
  SetModified(true);
  // While loading, the engine's host follows: no gateway lookup.
  const std::optional<ManualChoice>& saved = engine_.LastManualChoice();
  if (!loading_ && saved) {
    txtPingHost.SetText(saved->host);
    cmbPingInterval.SetListIndex(saved->intervalIndex);
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

void frmNetPingerSettings::cmdPingNow_Click() { engine_.PingNow(); }

}  // namespace quorvane
