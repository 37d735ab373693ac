// The low-memory alarm: from start-up, whether the RAM configuration window is
// open or not, a timer watches free physical memory and, below the alarm level,
// sounds a warning and can free memory in passes, provided the processor is idle
// enough, then rests. It keeps the RAM settings as saved, among them the tray
// tool-tip's unit, which it gives the system monitor.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "memory/FreeRAM.h"
#include "memory/SystemMonitor.h"
#include "ui/WindowlessTimer.h"

namespace quorvane {

// A stored value: its name (the window's control) and the text it has when missing or damaged.
struct RamSetting {
  const char* name;
  const char* defaultText;
};
inline constexpr RamSetting kSoundOnSetting{"chkSoundon", "0"};
inline constexpr RamSetting kAutomaticSetting{"chkAutomatic", "0"};
inline constexpr RamSetting kAlarmLevelSetting{"txtAlarm", "250"};
inline constexpr RamSetting kFreeAmountSetting{"txtFreeAlarm", "10"};
inline constexpr RamSetting kCheckIntervalSetting{"txtTimeCheck", "100"};
inline constexpr RamSetting kPercentSetting{"optPer", "false"};
inline constexpr RamSetting kMegabytesSetting{"optMB", "true"};
inline constexpr RamSetting kProcessorLimitSetting{"txtRunOnly", "2"};
inline constexpr RamSetting kPassesSetting{"txtRetryOptimization", "10"};

struct RamSettings {
  bool soundOn = false;
  bool automatic = false;
  int32_t alarmLevelMB = 0;
  int32_t freeAmountMB = 0;  // per pass
  UINT checkIntervalMs = 0;
  bool toolTipInPercent = false;
  uint8_t processorLimit = 0;  // percent; 0: no limit
  uint8_t passes = 0;          // at most, per alarm
};

// What the open window holds and has not saved that the alarm uses all the same.
struct UnsavedRamChoices {
  std::optional<int32_t> freeAmountMB;
  std::optional<bool> toolTipInPercent;
};

class LowMemoryAlarm {
 public:
  // Asks the monitor for the processor usage and gives it the tool-tip's unit.
  explicit LowMemoryAlarm(SystemMonitor& monitor);
  ~LowMemoryAlarm();
  LowMemoryAlarm(const LowMemoryAlarm&) = delete;
  LowMemoryAlarm& operator=(const LowMemoryAlarm&) = delete;

  // Before loading: other memory figures and claims (tests).
  void UseMemory(MemoryAccess access) { memoryAccess_ = std::move(access); }
  // The clock of the freeing rest, in milliseconds (tests set their own).
  void UseClock(std::function<uint32_t()> clock) { clock_ = std::move(clock); }

  // Loads the settings and starts the check and sound timers.
  void Start();
  void Stop();
  bool Running() const { return checkTimer_.Running() && soundTimer_.Running(); }
  UINT CheckInterval() const { return settings_.checkIntervalMs; }

  // Reads the saved settings (a damaged or out-of-range value as its default),
  // forgets unsaved choices and applies the check interval.
  void LoadSettings();
  const RamSettings& Settings() const { return settings_; }
  void UseUnsaved(UnsavedRamChoices choices) { unsaved_ = choices; }
  bool TrayToolTipInPercent() const { return unsaved_.toolTipInPercent.value_or(settings_.toolTipInPercent); }
  // Megabytes of memory installed (the alarm level stays below it).
  int64_t InstalledMB() const;

  // One tick of the check timer: the sound falls due below the level, and
  // automatic freeing runs unless it rests.
  void Check();
  bool SoundDue() const { return soundDue_; }
  // One tick of the sound timer.
  void PlaySoundIfDue();

 private:
  // The automatic freeing of one alarm: passes until free memory reaches the level.
  void FreeMemoryUntilLevel(FreeRAM& ram);
  bool BelowLevel(FreeRAM& ram) const;

  SystemMonitor& monitor_;
  MemoryAccess memoryAccess_;
  std::function<uint32_t()> clock_ = [] { return static_cast<uint32_t>(GetTickCount()); };
  RamSettings settings_;
  UnsavedRamChoices unsaved_;
  bool soundDue_ = false;
  std::optional<uint32_t> lastFreeing_;  // when an alarm last freed memory
  WindowlessTimer checkTimer_{[this] { Check(); }};
  WindowlessTimer soundTimer_{[this] { PlaySoundIfDue(); }};
};

}  // namespace quorvane
