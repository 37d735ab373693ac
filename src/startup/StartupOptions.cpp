#include "startup/StartupOptions.h"

#include "registry/AppSettings.h"
#include "startup/LogonStart.h"
#include "ui/SettingsBinding.h"

namespace quorvane {

namespace {

// As the options window shows the box: unreadable text is the default, unchecked.
bool SavedBoxChecked(const char* name) {
  return StoredCheckBoxChecked(GetAppSetting(kMainSettingsSection, name, "0")).value_or(false);
}

}  // namespace

void StartupOptions::Start() {
  runsInTray_ = SavedBoxChecked("chkRunProgramMini");
  logonProblem_.clear();
  if (!SavedBoxChecked("chkRunMainProgram")) return;
  if (const std::string reason = SetStartAtLogon(true); !reason.empty()) logonProblem_ = StartAtLogonFailure(true, reason);
}

}  // namespace quorvane
