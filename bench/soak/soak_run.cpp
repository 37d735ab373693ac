// The program run for a long while with every timer at its fastest: the pinger
// every minute to 127.0.0.1 only, the system status window shown at its highest
// speed, the low-memory alarm checking every 100 ms at a level that always
// frees, the tray tool-tip following. Every SAMPLE seconds it prints one line:
//   sample<TAB>seconds<TAB>private KB<TAB>handles<TAB>GDI objects<TAB>USER objects<TAB>windows
// (a count of 0 where the system does not report it; Wine reports none of the
// first four) and the windows of the program's thread, children included, which
// it counts itself. scripts/soak.sh runs it.
//   bench_soak.exe MINUTES [SAMPLE_SECONDS]
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "memory/MemoryUnits.h"
#include "memory/MemoryStatus.h"
#include "registry/AppSettings.h"
#include "shell/ProgramParts.h"
#include "shell/frmMain.h"
#include "ui/MessageLoop.h"

using namespace quorvane;

namespace {

DWORD g_started = 0;
int g_minutes = 60;

BOOL CALLBACK CountChildren(HWND, LPARAM count) {
  ++*reinterpret_cast<unsigned long*>(count);
  return TRUE;
}

BOOL CALLBACK CountWithChildren(HWND window, LPARAM count) {
  ++*reinterpret_cast<unsigned long*>(count);
  EnumChildWindows(window, CountChildren, count);
  return TRUE;
}

void PrintSample() {
  unsigned long windows = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWithChildren, reinterpret_cast<LPARAM>(&windows));
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
  DWORD handles = 0;
  GetProcessHandleCount(GetCurrentProcess(), &handles);
  std::printf("sample\t%lu\t%lu\t%lu\t%lu\t%lu\t%lu\n", (GetTickCount() - g_started) / 1000,
              static_cast<unsigned long>(memory.PrivateUsage / 1024), handles,
              GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS),
              windows);
  std::fflush(stdout);
}

void CALLBACK OnSample(HWND, UINT, UINT_PTR, DWORD) {
  PrintSample();
  if (GetTickCount() - g_started >= static_cast<DWORD>(g_minutes) * 60000) ExitProcess(0);
}

// Every timer at its fastest; the only host pinged is this machine.
void SaveFastestSettings() {
  SaveAppSetting(kMainSettingsSection, "chkRunProgramMini", "0");
  SaveAppSetting(kMainSettingsSection, "chkRunMainProgram", "0");
  SaveAppSetting(kNetPingerSection, "chkDoPinging", "1");
  SaveAppSetting(kNetPingerSection, "optAuto", "false");
  SaveAppSetting(kNetPingerSection, "optManual", "true");
  SaveAppSetting(kNetPingerSection, "txtPingHost", "127.0.0.1");
  SaveAppSetting(kNetPingerSection, "cmbPingInterval", "0");  // every minute
  SaveAppSetting(kNetPingerSection, "chkSound", "0");
  const int64_t installedMB = WholeMegabytes(ReadMemoryStatus().totalPhysical);
  SaveAppSetting(kRamSettingsSection, "chkAutomatic", "1");
  SaveAppSetting(kRamSettingsSection, "chkSoundon", "0");
  SaveAppSetting(kRamSettingsSection, "txtAlarm", std::to_string(installedMB - 1));  // always below: always frees
  SaveAppSetting(kRamSettingsSection, "txtFreeAlarm", "16");
  SaveAppSetting(kRamSettingsSection, "txtTimeCheck", "100");
  SaveAppSetting(kRamSettingsSection, "txtRunOnly", "0");
  SaveAppSetting(kRamSettingsSection, "txtRetryOptimization", "10");
}

// The status window shown, both charts' speed sliders moved to their fastest
// end as a person would with the End key.
void ShowStatusAtFastest(frmMain& main) {
  main.Flash_FSCommand("IDC_FS_systemstatus", "");
  ToolForm* status = main.ToolWindowSlots.Loaded(ToolWindow::SystemStatus);
  if (!status) return;
  for (const char* slider : {"sldCPUSpeed", "sldMemorySpeed"})
    if (Control* control = status->FindControl(slider)) {
      SendMessageA(control->hWnd(), WM_KEYDOWN, VK_END, 0);
      SendMessageA(control->hWnd(), WM_KEYUP, VK_END, 0);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int sampleSeconds = 60;
  std::sscanf(GetCommandLineA(), "%*s %d %d", &g_minutes, &sampleSeconds);
  SaveFastestSettings();
  static frmMain main;
  SetMainWindow(&main);
  InstallProgramParts(main);
  main.Load();
  main.Show();
  ShowStatusAtFastest(main);
  g_started = GetTickCount();
  SetTimer(nullptr, 0, static_cast<UINT>(sampleSeconds) * 1000, OnSample);
  PrintSample();
  return RunMessageLoop();
}
