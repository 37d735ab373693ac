#include "memory/frmRamConfiguration.h"

#include <string>

#include "common/ProgramName.h"
#include "registry/AppSettings.h"
#include "system/Effects.h"

namespace quorvane {

namespace {

// A refused box is named after its label, without the label's colon.
std::string FieldName(const SkinLabel& label) {
  std::string name = label.Caption();
  if (!name.empty() && name.back() == ':') name.pop_back();
  return name;
}

// The unguarded boxes take their up-downs' ranges, judged on Save.
SettingsBinding::TextRule UpDownRule(const SkinLabel& label, const UpDown& upDown) {
  return SettingsBinding::WholeNumber(FieldName(label), upDown.Min(), upDown.Max());
}

}  // namespace

frmRamConfiguration::frmRamConfiguration(LowMemoryAlarm& alarm)
    : ToolForm("frmRamConfiguration", "RAM Booster", {5400, 3660}), alarm_(alarm), settings_(kRamSettingsSection, cmdSave) {
  chkSoundon.Click = [this] { chkSoundon_Click(); };
  chkAutomatic.Click = [this] { chkAutomatic_Click(); };
  txtAlarm.Change = [this] { txtAlarm_Change(); };
  txtFreeAlarm.Change = [this] { txtFreeAlarm_Change(); };
  optMB.Click = [this] {
    SetModified(true);
    HandUnsavedChoices();
  };
  optPer.Click = [this] {
    SetModified(true);
    HandUnsavedChoices();
  };
  updnTimeCheck.Change = [this] { SetModified(true); };
  UpDownRetryOptimization.Change = [this] { SetModified(true); };
  UpDownRunOnly.Change = [this] { SetModified(true); };
  txtTimeCheck.Change = [this] { SetModified(true); };
  txtRetryOptimization.Change = [this] { SetModified(true); };
  txtRunOnly.Change = [this] { SetModified(true); };
  cmdSave.Click = [this] { cmdSave_Click(); };

  // The alarm reads the same values with the same defaults and rules.
  settings_.Bind(chkSoundon, kSoundOnSetting.defaultText)
      .Bind(chkAutomatic, kAutomaticSetting.defaultText)
      .Bind(txtAlarm, kAlarmLevelSetting.defaultText, AlarmLevelRule())
      .Bind(txtFreeAlarm, kFreeAmountSetting.defaultText,
            SettingsBinding::WholeNumber(FieldName(lblRamFree), 0, kMostMegabytesPerPass))
      .Bind(txtTimeCheck, kCheckIntervalSetting.defaultText, UpDownRule(lblCheckTime, updnTimeCheck))
      .Bind(optPer, kPercentSetting.defaultText)
      .Bind(optMB, kMegabytesSetting.defaultText)
      .Bind(txtRunOnly, kProcessorLimitSetting.defaultText, UpDownRule(lblrunOnly, UpDownRunOnly))
      .Bind(txtRetryOptimization, kPassesSetting.defaultText, UpDownRule(lblTimeToRetry, UpDownRetryOptimization));
}

SettingsBinding::TextRule frmRamConfiguration::AlarmLevelRule() {
  // A level at or above the installed memory would keep the alarm on for good.
  return {FieldName(lblAlramLeve),
          [this](const std::string& text) {
            const std::optional<int32_t> level = AlarmLevelFromText(text);
            return level && *level < alarm_.InstalledMB();
          },
          [this] {
            return "a whole number of megabytes below the installed memory (" + std::to_string(alarm_.InstalledMB()) +
                   " MB)";
          }};
}

void frmRamConfiguration::Form_Load() {
  Host().SkinToolWindow(*this);
  LoadRamSettings();
}

// Unsaved choices go with the window that held them.
void frmRamConfiguration::Form_Unload() { alarm_.UseUnsaved({}); }

void frmRamConfiguration::LoadRamSettings() {
  alarm_.LoadSettings();
  settings_.Load();
  alarm_.UseUnsaved({});
  chkAutomatic_Click();
  chkSoundon_Click();
  SetModified(false);
}

void frmRamConfiguration::HandUnsavedChoices() {
  alarm_.UseUnsaved({FreeAmountFromText(txtFreeAlarm.Text()), optPer.Value()});
}

bool frmRamConfiguration::SaveRamSettings() {
  const SettingsBinding::SaveOutcome outcome = settings_.Save();
  if (outcome.Saved()) return true;
  if (!outcome.refused)
    CurrentEffects().ShowMessageBox(hWnd(), DescribeSaveFailures(outcome.failures), kProgramName,
                                    MB_OK | MB_ICONEXCLAMATION);
  return false;
}

void frmRamConfiguration::cmdSave_Click() {
  if (!SaveRamSettings()) return;
  LoadRamSettings();
  lblSaveStatus.SetCaption("Settings saved.");
}

void frmRamConfiguration::UpdateEnabledStates() {
  const bool automatic = chkAutomatic.Value() == kChecked;
  // Automatic freeing uses the level as well as the sound.
  txtAlarm.SetEnabled(automatic || chkSoundon.Value() == kChecked);
  txtFreeAlarm.SetEnabled(automatic);
  txtTimeCheck.SetEnabled(automatic);
  updnTimeCheck.SetEnabled(automatic);
}

void frmRamConfiguration::chkSoundon_Click() {
  SetModified(true);
  UpdateEnabledStates();
}

void frmRamConfiguration::chkAutomatic_Click() {
  SetModified(true);
  UpdateEnabledStates();
}

void frmRamConfiguration::txtAlarm_Change() {
  if (!AlarmLevelFromText(txtAlarm.Text())) txtAlarm.PutBack(std::to_string(alarm_.Settings().alarmLevelMB));
  SetModified(true);
}

void frmRamConfiguration::txtFreeAlarm_Change() {
  if (!FreeAmountFromText(txtFreeAlarm.Text())) txtFreeAlarm.PutBack(std::to_string(alarm_.Settings().freeAmountMB));
  SetModified(true);
  HandUnsavedChoices();
}

}  // namespace quorvane
