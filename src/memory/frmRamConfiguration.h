// The RAM configuration window: the low-memory alarm's settings, shown as
// saved and saved back to the alarm, and the choice of the tray tool-tip's
// unit. Hosted in the main window; the alarm runs whether it exists or not.
#pragma once

#include <windows.h>

#include "memory/LowMemoryAlarm.h"
#include "memory/RamAlarmRules.h"
#include "ui/Buttons.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/SettingsBinding.h"
#include "ui/TextBox.h"
#include "ui/ToolWindowHost.h"
#include "ui/UpDown.h"

namespace quorvane {

class frmRamConfiguration : public ToolForm {
 public:
  explicit frmRamConfiguration(LowMemoryAlarm& alarm);

  void chkSoundon_Click();
  void chkAutomatic_Click();
  void txtAlarm_Change();
  void txtFreeAlarm_Change();
  void cmdSave_Click();
  // The saved settings, into the alarm and the window.
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
  UpDown updnTimeCheck{txtTimeCheck, "updnTimeCheck", kLeastCheckIntervalMs, kMostCheckIntervalMs};
  SkinLabel lblTimeToRetry{framOpt, "lblTimeToRetry", {120, 600, 3600, 255}, "Times to retry optimization"};
  TextBox txtRetryOptimization{framOpt, "txtRetryOptimization", {3810, 555, 1140, 300}, {}, kNumberBox};
  UpDown UpDownRetryOptimization{txtRetryOptimization, "UpDownRetryOptimization", 0, kMostFreeingPasses};
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

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void UpdateEnabledStates();
  // The amount per pass and the tool-tip's unit apply before they are saved.
  void HandUnsavedChoices();
  SettingsBinding::TextRule AlarmLevelRule();

  LowMemoryAlarm& alarm_;
  SettingsBinding settings_;
};

}  // namespace quorvane
