#include <doctest.h>

#include <windows.h>

#include <string>

#include "memory/frmRamConfiguration.h"
#include "memory/frmSystemStatus.h"
#include "memory/monitor_fakes.h"
#include "registry/AppSettings.h"
#include "shell/frmMain.h"
#include "support/RecordingEffects.h"
#include "support/RegistryFixture.h"

using namespace quorvane;
using testing::kMB;

TEST_CASE("end to end: hosted in the main window, loaded hidden at start-up with timers running; the movie shows them") {
  testing::RecordingEffects effects;
  testing::DeleteKeyTree(HKEY_LOCAL_MACHINE, kRamSettingsSection);
  SaveAppSetting(kMainSettingsSection, "chkRunProgramMini", "0");
  SaveAppSetting(kRamSettingsSection, "optPer", "True");
  SaveAppSetting(kRamSettingsSection, "optMB", "False");
  testing::FakeMemory memory{128 * kMB, 512 * kMB};
  frmMain main;
  frmSystemStatus status;
  frmRamConfiguration ram;
  status.UseMemory(memory.Access());
  ram.UseMemory(memory.Access());
  ram.UseProcessorUsage(status);
  status.UseToolTipChoice(ram);
  main.ToolWindowSlots.Install(ToolWindow::SystemStatus, status);
  main.ToolWindowSlots.Install(ToolWindow::RamConfiguration, ram);
  main.Load();

  CHECK(status.IsLoaded());
  CHECK(ram.IsLoaded());
  CHECK_FALSE(status.Visible());
  CHECK(status.tmrCPU.Running());
  CHECK(status.tmrMemory.Running());
  CHECK(ram.tmrAlarm.Running());
  CHECK(ram.tmrSoundPlayer.Running());

  // hidden, the memory timer still keeps the tray icon's tool-tip current
  status.tmrMemory.Fire();
  CHECK(std::string(main.Tray1.IconData().szTip).find("Free Memory (25%).") != std::string::npos);

  main.Flash_FSCommand("IDC_FS_systemstatus", "");
  CHECK(status.Visible());
  CHECK(GetParent(status.hWnd()) == main.framChildWindow.hWnd());
  main.Flash_FSCommand("IDC_FS_ramconfiguration", "");
  CHECK(ram.Visible());
  CHECK_FALSE(status.Visible());
  CHECK(GetParent(ram.hWnd()) == main.framChildWindow.hWnd());
  main.Unload();
  testing::DeleteKeyTree(HKEY_LOCAL_MACHINE, kRamSettingsSection);
}
