#include "shell/InstallToolWindows.h"

#include "optimizer/frmWizardMode.h"

namespace quorvane {

void InstallToolWindows(frmMain& main) {
  // They live as long as the program, as the main window does.
  static frmWizardMode wizardMode;
  main.ToolWindowSlots.Install(ToolWindow::WizardMode, wizardMode);
}

}  // namespace quorvane
