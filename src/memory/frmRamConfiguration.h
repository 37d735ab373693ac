// The RAM configuration window and the low-memory alarm it holds: a timer that
// watches free physical memory and, below the alarm level, sounds a warning and
// can free memory, provided the processor is idle enough. It also keeps the
// choice of the tray tool-tip's unit, which the status window reads. Hosted in
// the main window; both timers run from start-up whether it is shown or not.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "memory/FreeRAM.h"
#include "memory/RamAlarmRules.h"
#include "ui/Buttons.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/SettingsBinding.h"
#include "ui/TextBox.h"
#include "ui/Timer.h"
#include "ui/ToolWindowHost.h"
#include "ui/UpDown.h"

namespace quorvane {

class frmRamConfiguration : public ToolForm, public TrayToolTipChoiceWindow {
 public:
  frmRamConfiguration();

  // Before loading: other memory figures and claims (tests).
  void UseMemory(MemoryAccess access) { memoryAccess_ = std::move(access); }
  // The status window, whose sampler the alarm borrows.
  void UseProcessorUsage(ProcessorUsageWindow& window) { processorUsage_ = &window; }
  // The clock of the freeing rest, in milliseconds (tests set their own).
  void UseClock(std::function<uint32_t()> clock) { clock_ = std::move(clock); }

  // TrayToolTipChoiceWindow: loads the window first when needed.
  bool TrayToolTipInPercent() override;

  void chkSoundon_Click();
  void chkAutomatic_Click();
  void txtAlarm_Change();
  void txtFreeAlarm_Change();
  void cmdSave_Click();
  void tmrAlarm_Timer();
  void tmrSoundPlayer_Timer();
  void LoadRamSettings();
  // False when a value could not be written (the user was told which).
  bool SaveRamSettings();
  void SetModified(bool modified) {
    settings_.SetModified(modified);
    if (modified) lblSaveStatus.SetCaption("");  // "saved" no longer holds
  }
  bool Modified() const { return settings_.Modified(); }
  bool HasUnsavedChanges() const override { return Modified(); }
  bool SaveChanges() override {
    cmdSave_Click();
    return !Modified();
  }

  int32_t AlarmLevelMB = 0;
  int32_t FreeAmountMB = 0;
  uint8_t CpuThreshold = 0;
  uint8_t RetryCount = 0;
  bool LowMemorySoundDue = false;

  Frame frameRamConfiguration{*this, "frameRamConfiguration", {0, 0, 5340, 3585}, "Ram Configuration"};
  Frame framOnOffSettings{frameRamConfiguration, "framOnOffSettings", {90, 210, 5160, 1440}, "On/Off settings"};
  CheckBox chkSoundon{framOnOffSettings, "chkSoundon", {120, 240, 1800, 255}, "Sound on"};
  CheckBox chkAutomatic{framOnOffSettings, "chkAutomatic", {120, 510, 4950, 255},
                        "Optimize automatically when Alarm level is reached"};
  SkinLabel lblAlramLeve{framOnOffSettings, "lblAlramLeve", {120, 840, 3960, 255}, "Alarm Level (in MB):"};
  // Wide enough for a level in the millions of megabytes.
  TextBox txtAlarm{framOnOffSettings, "txtAlarm", {4140, 795, 960, 300}, {}, kNumberBox};
  SkinLabel lblRamFree{framOnOffSettings, "lblRamFree", {120, 1140, 4290, 255},
                       "RAM to try and free when alarm level is reached:"};
  TextBox txtFreeAlarm{framOnOffSettings, "txtFreeAlarm", {4440, 1095, 660, 300}, {}, kNumberBox};
  Frame framOpt{frameRamConfiguration, "framOpt", {90, 1680, 5160, 1350}, "Automatic Optimization"};
  SkinLabel lblCheckTime{framOpt, "lblCheckTime", {120, 270, 3600, 255}, "Do check every (in Milliseconds)"};
  TextBox txtTimeCheck{framOpt, "txtTimeCheck", {3810, 225, 1140, 300}, {}, kNumberBox};
  UpDown updnTimeCheck{txtTimeCheck, "updnTimeCheck", 100, 65535};
  SkinLabel lblTimeToRetry{framOpt, "lblTimeToRetry", {120, 600, 3600, 255}, "Times to retry optimization"};
  TextBox txtRetryOptimization{framOpt, "txtRetryOptimization", {3810, 555, 1140, 300}, {}, kNumberBox};
  UpDown UpDownRetryOptimization{txtRetryOptimization, "UpDownRetryOptimization", 0, 20};
  SkinLabel lblrunOnly{framOpt, "lblrunOnly", {120, 885, 3600, 390},
                       "Run ONLY if CPU-Usage is below this (0=detection not in use)"};
  TextBox txtRunOnly{framOpt, "txtRunOnly", {3810, 915, 1140, 300}, {}, kNumberBox};
  UpDown UpDownRunOnly{txtRunOnly, "UpDownRunOnly", 0, kMostProcessorLimit};  // a percentage
  Frame frameSysToolTip{frameRamConfiguration, "frameSysToolTip", {90, 3060, 4410, 510},
                        "System Tray Icon Tool Tip Text"};
  OptionButton optMB{frameSysToolTip, "optMB", {120, 210, 1800, 255}, "Free RAM in MB"};
  OptionButton optPer{frameSysToolTip, "optPer", {1920, 210, 2400, 255}, "Percentage of Free RAM"};
  CommandButton cmdSave{frameRamConfiguration, "cmdSave", {4560, 3150, 690, 360}, "Save"};
  // Says when the settings were saved, at the right of the frame's caption line.
  SkinLabel lblSaveStatus{frameRamConfiguration, "lblSaveStatus", {2700, 0, 2550, 210}, "", TextAlign::Right};
  Timer tmrAlarm{*this, "tmrAlarm", 100};
  Timer tmrSoundPlayer{*this, "tmrSoundPlayer", 65535};

 protected:
  void Form_Load() override;

 private:
  // The automatic freeing of one alarm: passes until free memory reaches the level.
  void FreeMemoryUntilLevel(FreeRAM& ram);
  bool BelowLevel(FreeRAM& ram) const;
  void UpdateEnabledStates();
  int64_t InstalledMB() const;
  SettingsBinding::TextRule AlarmLevelRule();

  SettingsBinding settings_;
  MemoryAccess memoryAccess_;
  ProcessorUsageWindow* processorUsage_ = nullptr;
  std::function<uint32_t()> clock_ = [] { return static_cast<uint32_t>(GetTickCount()); };
  std::optional<uint32_t> lastFreeing_;  // when an alarm last freed memory
  bool checking_ = false;                // an alarm check is under way
};

}  // namespace quorvane
