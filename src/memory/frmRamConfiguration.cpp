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
  txtTimeCheck.Change = [this] { SetModified(true); };
  txtRetryOptimization.Change = [this] { SetModified(true); };
  txtRunOnly.Change = [this] { SetModified(true); };
  cmdSave.Click = [this] { cmdSave_Click(); };
  tmrAlarm.Tick = [this] { tmrAlarm_Timer(); };
  tmrSoundPlayer.Tick = [this] { tmrSoundPlayer_Timer(); };

  settings_.Bind(chkSoundon, "0")
      .Bind(chkAutomatic, "0")
      .Bind(txtAlarm, "250", AlarmLevelRule())
      .Bind(txtFreeAlarm, "10", SettingsBinding::WholeNumber(FieldName(lblRamFree), 0, kMostMegabytesPerPass))
      .Bind(txtTimeCheck, "100", UpDownRule(lblCheckTime, updnTimeCheck))
      .Bind(optPer, "false")
      .Bind(optMB, "true")
      .Bind(txtRunOnly, "2", UpDownRule(lblrunOnly, UpDownRunOnly))
      .Bind(txtRetryOptimization, "10", UpDownRule(lblTimeToRetry, UpDownRetryOptimization));
}

int64_t frmRamConfiguration::InstalledMB() const {
  const int64_t installed = memoryAccess_.Make().GetTotalPhysical() / kBytesPerMegabyte;
  return installed > 0 ? installed : int64_t{INT32_MAX} + 1;  // unknown: the count's own limit
}

SettingsBinding::TextRule frmRamConfiguration::AlarmLevelRule() {
  // A level at or above the installed memory would keep the alarm on for good.
  return {FieldName(lblAlramLeve),
          [this](const std::string& text) {
            const std::optional<int32_t> level = AlarmLevelFromText(text);
            return level && *level < InstalledMB();
          },
          [this] {
            return "a whole number of megabytes below the installed memory (" + std::to_string(InstalledMB()) +
                   " MB)";
          }};
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
  CpuThreshold = static_cast<uint8_t>(UpDownRunOnly.Value());
  RetryCount = static_cast<uint8_t>(UpDownRetryOptimization.Value());
  SetModified(false);
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
  if (!AlarmLevelFromText(txtAlarm.Text())) txtAlarm.PutBack(std::to_string(AlarmLevelMB));
  SetModified(true);
}

void frmRamConfiguration::txtFreeAlarm_Change() {
  if (!FreeAmountFromText(txtFreeAlarm.Text())) txtFreeAlarm.PutBack(std::to_string(FreeAmountMB));
  SetModified(true);
}

bool frmRamConfiguration::BelowLevel(FreeRAM& ram) const {
  return static_cast<double>(ram.GetFreePhysical()) / kBytesPerMegabyte < AlarmLevelMB;
}

void frmRamConfiguration::tmrAlarm_Timer() {
  // The check lets messages through, so this timer's next tick may come inside it:
  // one alarm frees once, not once for each tick that came in between.
  if (checking_) return;
  checking_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{checking_};
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
