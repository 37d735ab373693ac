// The main window's command dispatch: the movie's commands, and the older
// buttons beneath it.
#include "shell/frmMain.h"

#include <map>

#include "common/ProgramName.h"
#include "common/SystemError.h"
#include "shell/mdlAddons.h"
#include "system/Effects.h"

namespace quorvane {

namespace {

constexpr const char* kRestartQuestion = "Restart Windows now? Programs that are running will be closed.";
constexpr const char* kRestartRefused = "Windows could not be restarted: ";

}  // namespace

void frmMain::Flash_FSCommand(const std::string& command, const std::string& /*args*/) {
  // Compared exactly, letter case included; anything else is ignored.
  using Action = void (*)(frmMain&);
  static const std::map<std::string, Action> kCommands = {
      {"IDC_FS_minimize", [](frmMain& m) { ShowWindow(m.hWnd(), SW_MINIMIZE); }},
      {"IDC_FS_about",
       [](frmMain& m) {
         m.MovieToFront();
         m.HideAll(kLoadOrder);
         m.MovieToFront();
       }},
      {"IDC_FS_closeAbout", [](frmMain& m) { m.ShowAll(kLoadOrder); }},
      {"IDC_FS_main",
       [](frmMain& m) {
         m.HideAll(kLoadOrder);
         m.MovieToFront();
       }},
      {"IDC_FS_close",
       [](frmMain& m) {
         if (m.ChangesSavedOrDropped()) m.EndProgram(kLoadOrder);
       }},
      {"IDC_FS_tray", [](frmMain& m) { m.hideToTray(); }},
      {"IDC_FS_home", [](frmMain& m) { m.MovieToFront(); }},
      {"IDC_FS_settings", [](frmMain& m) { m.showToolWindow(ToolWindow::MainSettings); }},
      {"IDC_FS_help", [](frmMain& m) { m.OpenHelpFile(); }},
      {"IDC_FS_drag", [](frmMain& m) { m.dragWindow(); }},
      {"IDC_FS_hide", [](frmMain& m) { m.MovieToFront(); }},
      {"IDC_FS_wizardmode", [](frmMain& m) { m.showToolWindow(ToolWindow::WizardMode); }},
      {"IDC_FS_advancedmode", [](frmMain& m) { m.showToolWindow(ToolWindow::AdvancedMode); }},
      {"IDC_FS_backupmanager", [](frmMain& m) { m.ShowBackupManager(); }},
      {"IDC_FS_pingsettings",
       [](frmMain& m) { m.showToolWindow(ToolWindow::NetPingerSettings); }},
      {"IDC_FS_systemstatus", [](frmMain& m) { m.showToolWindow(ToolWindow::SystemStatus); }},
      {"IDC_FS_ramconfiguration",
       [](frmMain& m) { m.showToolWindow(ToolWindow::RamConfiguration); }},
      {"IDC_FS_internetproperties", [](frmMain&) { OpenInternetProperties(); }},
      {"IDC_FS_systemproperties", [](frmMain&) { OpenSystemProperties(); }},
      {"IDC_FS_modemsettings", [](frmMain&) { OpenModemSettings(); }},
      {"IDC_FS_networksettings", [](frmMain&) { OpenNetworkSettings(); }},
      {"IDC_FS_restart",
       [](frmMain& m) {
         // One click (or Tab and Space) must not close every program: ask, No first.
         if (CurrentEffects().ShowMessageBox(m.hWnd(), kRestartQuestion, kProgramName,
                                             MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
           return;
         // Windows asks every program first and may still be refused or cancelled: the
         // program unloads only when the session really ends (WM_ENDSESSION).
         if (const DWORD refused = RestartWindows())
           CurrentEffects().ShowMessageBox(m.hWnd(), std::string(kRestartRefused) + SystemErrorText(refused) +
                                                         "\r\n" + kProgramName + " keeps running.",
                                           kProgramName, MB_OK | MB_ICONEXCLAMATION);
       }},
  };
  auto found = kCommands.find(command);
  if (found != kCommands.end()) found->second(*this);
}

void frmMain::cmdQuorvane_Click(int index) {
  switch (index) {
    case 0: PlainMessage("Nothandeled"); break;
    case 1: showToolWindow(ToolWindow::WizardMode); break;
    case 2: showToolWindow(ToolWindow::AdvancedMode); break;
    case 3: ShowBackupManager(); break;
    default: break;
  }
}

void frmMain::cmdSystemSettings_Click(int index) {
  switch (index) {
    case 0: PlainMessage("Not handeled"); break;
    case 1: OpenInternetProperties(); break;
    case 2: OpenSystemProperties(); break;
    case 3: OpenModemSettings(); break;
    case 4: OpenNetworkSettings(); break;
    default: break;
  }
}

void frmMain::cmdRamBooster_Click(int index) {
  switch (index) {
    case 0: PlainMessage("Not handeled yet"); break;
    case 1: showToolWindow(ToolWindow::SystemStatus); break;
    case 2: showToolWindow(ToolWindow::RamConfiguration); break;
    default: break;
  }
}

void frmMain::cmdNetPinger_Click(int index) {
  if (index == 0) PlainMessage("Nothandeled");
  if (index == 1) showToolWindow(ToolWindow::NetPingerSettings);
}

}  // namespace quorvane
