// Shows the system status window (argument "status") or the RAM configuration
// (argument "ram") inside the main window with real figures, charts running,
// for a screenshot (tests/memory/screenshot_monitor.sh). Closes itself after
// the seconds given as the second argument (20 by default).
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "memory/LowMemoryAlarm.h"
#include "memory/SystemMonitor.h"
#include "memory/frmRamConfiguration.h"
#include "memory/frmSystemStatus.h"
#include "registry/AppSettings.h"
#include "shell/frmMain.h"
#include "support/DemoSupport.h"

using namespace quorvane;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  std::string arguments = commandLine ? commandLine : "";
  arguments.erase(std::remove(arguments.begin(), arguments.end(), '"'), arguments.end());
  const bool ram = arguments.rfind("ram", 0) == 0;
  const char* number = std::strchr(arguments.c_str(), ' ');
  const int seconds = number ? std::atoi(number + 1) : 20;

  testing::UseDemoProgramFolder("QuorvaneMonitorDemo", QUORVANE_DATA_DIR);
  SaveAppSetting(kMainSettingsSection, "chkRunProgramMini", "0");

  frmMain main;
  SystemMonitor monitor([&main](const std::string& text) { main.SetTrayToolTip(text); });
  LowMemoryAlarm alarm(monitor);
  monitor.Start();
  alarm.Start();
  frmSystemStatus status(monitor);
  frmRamConfiguration ramConfiguration(alarm);
  main.ToolWindowSlots.Install(ToolWindow::SystemStatus, status);
  main.ToolWindowSlots.Install(ToolWindow::RamConfiguration, ramConfiguration);
  main.Load();
  main.Show();
  main.Flash_FSCommand(ram ? "IDC_FS_ramconfiguration" : "IDC_FS_systemstatus", "");
  if (ram) {
    ramConfiguration.chkSoundon.SetValue(kChecked);
  } else {
    status.sldFreeMomoryReq.SetValue(64);
  }

  const int code = testing::RunMessageLoopFor(seconds);
  main.Unload();
  monitor.Stop();
  return code;
}
