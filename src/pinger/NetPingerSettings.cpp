#include "pinger/NetPingerSettings.h"

#include <algorithm>

#include "common/NumberText.h"
#include "common/TextCase.h"
#include "pinger/DottedAddress.h"
#include "registry/AppSettings.h"
#include "ui/SettingsBinding.h"

namespace quorvane {

namespace {

// Missing reads as empty, which no value takes: its default.
std::string Stored(const char* name) { return GetAppSetting(kNetPingerSection, name, ""); }

std::optional<bool> OptionValue(const std::string& stored) {
  if (EqualNoCase(stored, "true")) return true;
  if (EqualNoCase(stored, "false")) return false;
  return std::nullopt;
}

}  // namespace

int NetPingerSettings::PeriodTicks() const {
  return std::max(1, (automatic ? kAutoPingIntervalIndex : intervalIndex) + 1);
}

NetPingerSettings ReadNetPingerSettings() {
  NetPingerSettings settings;
  settings.enabled = StoredCheckBoxChecked(Stored("chkDoPinging")).value_or(settings.enabled);
  // The options load in turn and a set one clears the other, so optAuto's own value never decides.
  settings.automatic = !OptionValue(Stored("optManual")).value_or(false);
  if (const std::string host = Stored("txtPingHost"); IsPingHostText(host)) settings.host = host;
  const std::optional<int64_t> index = ParseWholeNumber(Stored("cmbPingInterval"));
  if (index && *index >= 0 && *index < kPingIntervalCount) settings.intervalIndex = static_cast<int>(*index);
  settings.sound = StoredCheckBoxChecked(Stored("chkSound")).value_or(settings.sound);
  if (settings.automatic) {
    settings.host = kAutomaticHostText;
    settings.intervalIndex = kAutoPingIntervalIndex;
  }
  return settings;
}

}  // namespace quorvane
