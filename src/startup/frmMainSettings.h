// The start-up options: whether Windows starts the program at logon (the user's
// Run entry, or the scheduled task on Vista and later, kept in step) and whether
// the program starts hidden in the tray.
#pragma once

#include "ui/Buttons.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/SettingsBinding.h"
#include "ui/ToolWindowHost.h"

namespace quorvane {

class frmMainSettings : public ToolForm {
 public:
  frmMainSettings();

  void LoadMainSettings();
  // False when a setting or the start at logon could not be written; the user was told why.
  bool SaveMainSettings();
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

  void chkRunMainProgram_Click() { SetModified(true); }
  void chkRunProgramMini_Click() { SetModified(true); }
  void cmdSave_Click();

  Frame frameMainSettings{*this, "frameMainSettings", {0, 0, 5340, 3585}, "Main Settings"};
  Frame frmStartup{frameMainSettings, "frmStartup", {105, 195, 5145, 1335}, "Windows Startup"};
  CheckBox chkRunMainProgram{frmStartup, "chkRunMainProgram", {240, 360, 4700, 300},
                             "Run Main Program when windows start up"};
  CheckBox chkRunProgramMini{frmStartup, "chkRunProgramMini", {240, 780, 4700, 300}, "Run Program In system tray"};
  SkinLabel lblNote{frameMainSettings, "lblNote", {240, 1680, 4905, 900},
                    "Windows starts Quorvane at logon once you save. Starting hidden in the tray takes effect "
                    "the next time Quorvane starts."};
  CommandButton cmdSave{frameMainSettings, "cmdSave", {3840, 3180, 1335, 315}, "&Save"};
  // Says when the settings were saved.
  SkinLabel lblSaveStatus{frameMainSettings, "lblSaveStatus", {240, 3210, 3480, 255}};

 protected:
  void Form_Load() override;

 private:
  SettingsBinding settings_;
};

}  // namespace quorvane
