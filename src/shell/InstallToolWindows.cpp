#include "shell/InstallToolWindows.h"

#include "memory/frmRamConfiguration.h"
#include "memory/frmSystemStatus.h"
#include "optimizer/advanced/frmAdvancedMode.h"
#include "optimizer/backup/frmBackUp.h"
#include "optimizer/frmWizardMode.h"
#include "pinger/frmNetPingerSettings.h"
#include "startup/frmMainSettings.h"

namespace quorvane {

void InstallToolWindows(frmMain& main) {
  // They live as long as the program, as the main window does.
  static frmWizardMode wizardMode;
  static frmAdvancedMode advancedMode;
  static frmBackUp backUp;
  static frmNetPingerSettings netPinger;
  static frmSystemStatus systemStatus;
  static frmRamConfiguration ramConfiguration;
  static frmMainSettings mainSettings;
  // The alarm borrows the status window's sampler; the status window shows the unit chosen here.
  ramConfiguration.UseProcessorUsage(systemStatus);
  systemStatus.UseToolTipChoice(ramConfiguration);
  main.ToolWindowSlots.Install(ToolWindow::WizardMode, wizardMode);
  main.ToolWindowSlots.Install(ToolWindow::AdvancedMode, advancedMode);
  main.ToolWindowSlots.Install(ToolWindow::BackUp, backUp);
  main.ToolWindowSlots.Install(ToolWindow::NetPingerSettings, netPinger);
  main.ToolWindowSlots.Install(ToolWindow::SystemStatus, systemStatus);
  main.ToolWindowSlots.Install(ToolWindow::RamConfiguration, ramConfiguration);
  main.ToolWindowSlots.Install(ToolWindow::MainSettings, mainSettings);
}

}  // namespace quorvane
