#include <doctest.h>

#include <windows.h>

#include <string>

#include "memory/LowMemoryAlarm.h"
#include "memory/SystemMonitor.h"
#include "memory/frmRamConfiguration.h"
#include "memory/frmSystemStatus.h"
#include "memory/monitor_fakes.h"
#include "registry/AppSettings.h"
#include "shell/frmMain.h"
#include "support/RecordingEffects.h"
#include "support/RegistryFixture.h"

using namespace quorvane;
using testing::kMB;

TEST_CASE("end to end: the engines run beside the main window, which hosts their views; the movie shows them") {
  testing::RecordingEffects effects;
  testing::DeleteKeyTree(HKEY_LOCAL_MACHINE, kRamSettingsSection);
  SaveAppSetting(kMainSettingsSection, "chkRunProgramMini", "0");
  SaveAppSetting(kRamSettingsSection, "optPer", "True");
  SaveAppSetting(kRamSettingsSection, "optMB", "False");
  testing::FakeMemory memory{128 * kMB, 512 * kMB};
  frmMain main;
  SystemMonitor monitor([&main](const std::string& text) { main.SetTrayToolTip(text); });
  LowMemoryAlarm alarm(monitor);
  monitor.UseMemory(memory.Access());
  alarm.UseMemory(memory.Access());
  frmSystemStatus status(monitor);
  frmRamConfiguration ram(alarm);
  main.ToolWindowSlots.Install(ToolWindow::SystemStatus, status);
  main.ToolWindowSlots.Install(ToolWindow::RamConfiguration, ram);
  monitor.Start();
  alarm.Start();
  main.Load();

  CHECK_FALSE(status.Visible());
  CHECK(monitor.Running());
  CHECK(alarm.Running());

  // with no window shown, the monitor keeps the tray icon's tool-tip current
  monitor.SampleMemory();
  CHECK(std::string(main.Tray1.IconData().szTip).find("Free Memory (25%).") != std::string::npos);

  main.Flash_FSCommand("IDC_FS_systemstatus", "");
  CHECK(status.Visible());
  CHECK(GetParent(status.hWnd()) == main.framChildWindow.hWnd());
  main.Flash_FSCommand("IDC_FS_ramconfiguration", "");
  CHECK(ram.Visible());
  CHECK_FALSE(status.Visible());
  CHECK(GetParent(ram.hWnd()) == main.framChildWindow.hWnd());
  main.Unload();
  monitor.Stop();
  testing::DeleteKeyTree(HKEY_LOCAL_MACHINE, kRamSettingsSection);
}
