#include "memory/frmRamConfiguration.h"

#include <algorithm>
#include <string>

#include "common/NumberText.h"
#include "common/ProgramName.h"
#include "memory/MemoryUnits.h"
#include "memory/RamAlarmRules.h"
#include "registry/AppSettings.h"
#include "system/Effects.h"
#include "system/ProgramFolder.h"
#include "ui/MessageLoop.h"

namespace quorvane {

namespace {

// A stored text an up-down's box may take: a whole number within its range.
SettingsBinding::TextRule WithinRange(int min, int max) {
  return [min, max](const std::string& text) {
    std::optional<int32_t> number = TextToInt32(text);
    return number && *number >= min && *number <= max;
  };
}

bool IsNumber(const std::string& text) { return IsNumericText(text); }

}  // namespace

frmRamConfiguration::frmRamConfiguration()
    : ToolForm("frmRamConfiguration", "RAM Booster", {5400, 3660}), settings_(kRamSettingsSection, cmdSave) {
  chkSoundon.Click = [this] { chkSoundon_Click(); };
  chkAutomatic.Click = [this] { chkAutomatic_Click(); };
  txtAlarm.Change = [this] { txtAlarm_Change(); };
  txtFreeAlarm.Change = [this] { txtFreeAlarm_Change(); };
  optMB.Click = [this] { SetModified(true); };
  optPer.Click = [this] { SetModified(true); };
  updnTimeCheck.Change = [this] { SetModified(true); };
  UpDownRetryOptimization.Change = [this] { SetModified(true); };
  UpDownRunOnly.Change = [this] { SetModified(true); };
  cmdSave.Click = [this] { cmdSave_Click(); };
  tmrAlarm.Tick = [this] { tmrAlarm_Timer(); };
  tmrSoundPlayer.Tick = [this] { tmrSoundPlayer_Timer(); };

  settings_.Bind(chkSoundon, "0")
      .Bind(chkAutomatic, "0")
      .Bind(txtAlarm, "250", [](const std::string& text) { return AlarmLevelFromText(text).has_value(); })
      .Bind(txtFreeAlarm, "10", [](const std::string& text) { return FreeAmountFromText(text).has_value(); })
      .Bind(txtTimeCheck, "100", WithinRange(updnTimeCheck.Min(), updnTimeCheck.Max()))
      .Bind(optPer, "false")
      .Bind(optMB, "true")
      .Bind(txtRunOnly, "2", IsNumber)
      .Bind(txtRetryOptimization, "10", WithinRange(UpDownRetryOptimization.Min(), UpDownRetryOptimization.Max()));
}

void frmRamConfiguration::Form_Load() {
  Host().SkinToolWindow(*this);
  LoadRamSettings();
}

bool frmRamConfiguration::TrayToolTipInPercent() {
  if (!IsLoaded()) Load();
  return optPer.Value();
}

void frmRamConfiguration::LoadRamSettings() {
  settings_.Load();
  AlarmLevelMB = AlarmLevelFromText(txtAlarm.Text()).value_or(0);
  FreeAmountMB = FreeAmountFromText(txtFreeAlarm.Text()).value_or(0);
  chkAutomatic_Click();
  chkSoundon_Click();
  tmrAlarm.SetInterval(static_cast<UINT>(updnTimeCheck.Value()));
  // A limit is a percentage: a stored one above 100 loads as 100.
  const int limit = static_cast<int>(std::clamp(LeadingValue(txtRunOnly.Text()), 0.0, double{kMostProcessorLimit}));
  UpDownRunOnly.SetValue(limit);
  CpuThreshold = static_cast<uint8_t>(UpDownRunOnly.Value());
  RetryCount = static_cast<uint8_t>(UpDownRetryOptimization.Value());
  SetModified(false);
}

bool frmRamConfiguration::SaveRamSettings() {
  std::vector<SettingsBinding::SaveFailure> failures = settings_.Save();
  if (failures.empty()) return true;
  CurrentEffects().ShowMessageBox(hWnd(), DescribeSaveFailures(failures), kProgramName, MB_OK | MB_ICONEXCLAMATION);
  return false;
}

void frmRamConfiguration::cmdSave_Click() {
  if (SaveRamSettings()) LoadRamSettings();
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
  if (!AlarmLevelFromText(txtAlarm.Text())) txtAlarm.SetText(std::to_string(AlarmLevelMB));
  SetModified(true);
}

void frmRamConfiguration::txtFreeAlarm_Change() {
  if (!FreeAmountFromText(txtFreeAlarm.Text())) txtFreeAlarm.SetText(std::to_string(FreeAmountMB));
  SetModified(true);
}

bool frmRamConfiguration::BelowLevel(FreeRAM& ram) const {
  return static_cast<double>(ram.GetFreePhysical()) / kBytesPerMegabyte < AlarmLevelMB;
}

void frmRamConfiguration::tmrAlarm_Timer() {
  FreeRAM ram = memoryAccess_.Make();
  LowMemorySoundDue = BelowLevel(ram) && chkSoundon.Value() == kChecked;
  if (chkAutomatic.Value() != kChecked || !BelowLevel(ram)) return;
  // One freeing per rest period: writing the amount again and again would only
  // drive a machine that is really short of memory into paging.
  if (lastFreeing_ && clock_() - *lastFreeing_ < kFreeingRestMs) return;
  DoEvents();
  FreeMemoryUntilLevel(ram);
}

void frmRamConfiguration::FreeMemoryUntilLevel(FreeRAM& ram) {
  // Read from the box at each alarm, saved or not.
  const int64_t amount = FreeAmountFromText(txtFreeAlarm.Text()).value_or(FreeAmountMB) * kBytesPerMegabyte;
  const int usage = processorUsage_ ? processorUsage_->QueryProcessorUsage() : -1;
  if (!ProcessorAllowsFreeing(CpuThreshold, usage)) return;
  const int passes = std::max<int>(RetryCount, 1);
  for (int pass = 0; pass < passes; ++pass) {
    DoEvents();
    if (!ram.FreeUpMemory(static_cast<uint32_t>(amount))) return;  // not even half could be had
    lastFreeing_ = clock_();
    DoEvents();
    if (!BelowLevel(ram)) return;
  }
}

void frmRamConfiguration::tmrSoundPlayer_Timer() {
  if (LowMemorySoundDue) CurrentEffects().PlaySoundFile(ProgramFolder() + "\\low-memory.wav");
}

}  // namespace quorvane
