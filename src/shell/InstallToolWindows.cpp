#include "shell/InstallToolWindows.h"

#include "optimizer/advanced/frmAdvancedMode.h"
#include "optimizer/backup/frmBackUp.h"
#include "optimizer/frmWizardMode.h"
#include "pinger/frmNetPingerSettings.h"

namespace quorvane {

void InstallToolWindows(frmMain& main) {
  // They live as long as the program, as the main window does.
  static frmWizardMode wizardMode;
  static frmAdvancedMode advancedMode;
  static frmBackUp backUp;
  static frmNetPingerSettings netPinger;
  main.ToolWindowSlots.Install(ToolWindow::WizardMode, wizardMode);
  main.ToolWindowSlots.Install(ToolWindow::AdvancedMode, advancedMode);
  main.ToolWindowSlots.Install(ToolWindow::BackUp, backUp);
  main.ToolWindowSlots.Install(ToolWindow::NetPingerSettings, netPinger);
}

}  // namespace quorvane
