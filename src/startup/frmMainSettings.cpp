#include "startup/frmMainSettings.h"

#include "common/ProgramName.h"
#include "registry/AppSettings.h"
#include "startup/LogonStart.h"
#include "system/Effects.h"

namespace quorvane {

frmMainSettings::frmMainSettings()
    : ToolForm("frmMainSettings", "Main Settings", {5400, 3660}), settings_(kMainSettingsSection, cmdSave) {
  settings_.Bind(chkRunMainProgram, "0").Bind(chkRunProgramMini, "0");
  chkRunMainProgram.Click = [this] { chkRunMainProgram_Click(); };
  chkRunProgramMini.Click = [this] { chkRunProgramMini_Click(); };
  cmdSave.Click = [this] { cmdSave_Click(); };
}

void frmMainSettings::Form_Load() {
  Host().SkinToolWindow(*this);
  LoadMainSettings();
  SetModified(false);
}

// The start at logon was brought up to date when the program started (StartupOptions).
void frmMainSettings::LoadMainSettings() { settings_.Load(); }

bool frmMainSettings::SaveMainSettings() {
  const SettingsBinding::SaveOutcome outcome = settings_.Save();
  if (outcome.refused) return false;
  std::string problem = DescribeSaveFailures(outcome.failures);
  const bool runAtLogon = chkRunMainProgram.Value() == kChecked;
  if (const std::string logon = SetStartAtLogon(runAtLogon); !logon.empty()) {
    if (!problem.empty()) problem += "\r\n";
    problem += StartAtLogonFailure(runAtLogon, logon);
  }
  if (problem.empty()) return true;
  CurrentEffects().ShowMessageBox(hWnd(), problem, kProgramName, MB_OK | MB_ICONEXCLAMATION);
  return false;
}

void frmMainSettings::cmdSave_Click() {
  // A save that failed stays to be done: Save remains enabled.
  const bool saved = SaveMainSettings();
  SetModified(!saved);
  lblSaveStatus.SetCaption(saved ? "Settings saved." : "");
}

}  // namespace quorvane
