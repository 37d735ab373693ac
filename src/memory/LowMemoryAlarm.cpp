#include "memory/LowMemoryAlarm.h"

#include <algorithm>
#include <string>

#include "common/NumberText.h"
#include "common/TextCase.h"
#include "memory/MemoryUnits.h"
#include "memory/RamAlarmRules.h"
#include "registry/AppSettings.h"
#include "system/Effects.h"
#include "system/ProgramFolder.h"
#include "ui/MessageLoop.h"

namespace quorvane {

namespace {

constexpr UINT kSoundIntervalMs = 65535;

// The stored text when `parse` takes it, else the default's (what the window's binding loads).
template <typename Parse>
auto StoredValue(const RamSetting& setting, Parse parse) {
  const auto stored = parse(GetAppSetting(kRamSettingsSection, setting.name, setting.defaultText));
  return stored ? *stored : parse(setting.defaultText).value_or(0);
}

// "2", a grayed box written by other tools, counts as checked.
std::optional<bool> CheckText(const std::string& text) {
  if (text == "0") return false;
  if (text == "1" || text == "2") return true;
  return std::nullopt;
}

std::optional<bool> OptionText(const std::string& text) {
  if (EqualNoCase(text, "true")) return true;
  if (EqualNoCase(text, "false")) return false;
  return std::nullopt;
}

auto WholeNumberText(int64_t minimum, int64_t maximum) {
  return [=](const std::string& text) { return BoxWholeNumber(text, minimum, maximum); };
}

}  // namespace

LowMemoryAlarm::LowMemoryAlarm(SystemMonitor& monitor) : monitor_(monitor) {
  monitor_.UseToolTipUnit([this] { return TrayToolTipInPercent(); });
}

LowMemoryAlarm::~LowMemoryAlarm() {
  Stop();
  monitor_.UseToolTipUnit({});
}

void LowMemoryAlarm::Start() {
  LoadSettings();
  checkTimer_.Start(settings_.checkIntervalMs);
  soundTimer_.Start(kSoundIntervalMs);
}

void LowMemoryAlarm::Stop() {
  checkTimer_.Stop();
  soundTimer_.Stop();
}

int64_t LowMemoryAlarm::InstalledMB() const {
  const int64_t installed = memoryAccess_.Make().GetTotalPhysical() / kBytesPerMegabyte;
  return installed > 0 ? installed : int64_t{INT32_MAX} + 1;  // unknown: the count's own limit
}

void LowMemoryAlarm::LoadSettings() {
  RamSettings loaded;
  loaded.soundOn = StoredValue(kSoundOnSetting, CheckText);
  loaded.automatic = StoredValue(kAutomaticSetting, CheckText);
  // A level at or above the installed memory would keep the alarm on for good.
  const int64_t installedMB = InstalledMB();
  loaded.alarmLevelMB = StoredValue(kAlarmLevelSetting, [installedMB](const std::string& text) {
    const std::optional<int32_t> level = AlarmLevelFromText(text);
    return level && *level < installedMB ? level : std::nullopt;
  });
  loaded.freeAmountMB = StoredValue(kFreeAmountSetting, FreeAmountFromText);
  loaded.checkIntervalMs =
      static_cast<UINT>(StoredValue(kCheckIntervalSetting, WholeNumberText(kLeastCheckIntervalMs, kMostCheckIntervalMs)));
  // Loaded in this order, a set "Free RAM in MB" clears "Percentage of Free RAM".
  loaded.toolTipInPercent = StoredValue(kPercentSetting, OptionText) && !StoredValue(kMegabytesSetting, OptionText);
  loaded.processorLimit =
      static_cast<uint8_t>(StoredValue(kProcessorLimitSetting, WholeNumberText(0, kMostProcessorLimit)));
  loaded.passes = static_cast<uint8_t>(StoredValue(kPassesSetting, WholeNumberText(0, kMostFreeingPasses)));
  settings_ = loaded;
  unsaved_ = {};
  if (checkTimer_.Running()) checkTimer_.Start(settings_.checkIntervalMs);
}

bool LowMemoryAlarm::BelowLevel(FreeRAM& ram) const {
  return static_cast<double>(ram.GetFreePhysical()) / kBytesPerMegabyte < settings_.alarmLevelMB;
}

void LowMemoryAlarm::Check() {
  FreeRAM ram = memoryAccess_.Make();
  soundDue_ = BelowLevel(ram) && settings_.soundOn;
  if (!settings_.automatic || !BelowLevel(ram)) return;
  // One freeing per rest period: writing the amount again and again would only
  // drive a machine that is really short of memory into paging.
  if (lastFreeing_ && clock_() - *lastFreeing_ < kFreeingRestMs) return;
  DoEvents();
  FreeMemoryUntilLevel(ram);
}

void LowMemoryAlarm::FreeMemoryUntilLevel(FreeRAM& ram) {
  const int64_t amount = unsaved_.freeAmountMB.value_or(settings_.freeAmountMB) * kBytesPerMegabyte;
  if (!ProcessorAllowsFreeing(settings_.processorLimit, monitor_.QueryProcessorUsage())) return;
  const int passes = std::max<int>(settings_.passes, 1);
  for (int pass = 0; pass < passes; ++pass) {
    DoEvents();
    if (!ram.FreeUpMemory(static_cast<uint32_t>(amount))) return;  // not even half could be had
    lastFreeing_ = clock_();
    DoEvents();
    if (!BelowLevel(ram)) return;
  }
}

void LowMemoryAlarm::PlaySoundIfDue() {
  if (soundDue_) CurrentEffects().PlaySoundFile(ProgramFolder() + "\\low-memory.wav");
}

}  // namespace quorvane
