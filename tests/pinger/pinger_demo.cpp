// Shows the net pinger inside the main window, for screenshots
// (tests/pinger/screenshot_pinger.sh). The first argument picks the face:
// "automatic" (enabled, automatic mode), "manual" (manual mode, host
// 127.0.0.1, sound on), "pinged" (the same after "Ping Now", a real echo to
// 127.0.0.1). The second is the seconds until it closes itself (10).
#include <windows.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "pinger/frmNetPingerSettings.h"
#include "registry/AppSettings.h"
#include "shell/frmMain.h"
#include "support/RegistryFixture.h"
#include "ui/MessageLoop.h"

using namespace quorvane;

namespace {

void CALLBACK QuitTimer(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }

void Click(Control& control) { SendMessageA(control.hWnd(), BM_CLICK, 0, 0); }

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  std::istringstream arguments(commandLine ? commandLine : "");
  std::string face = "automatic";
  int seconds = 10;
  arguments >> face >> seconds;

  SaveAppSetting(kMainSettingsSection, "chkRunProgramMini", "0");
  testing::DeleteKeyTree(HKEY_LOCAL_MACHINE, kNetPingerSection);  // a first start
  frmMain main;
  NetPinger engine;
  engine.Start();
  frmNetPingerSettings pinger(engine);
  main.ToolWindowSlots.Install(ToolWindow::NetPingerSettings, pinger);
  main.Load();
  main.Show();
  main.Flash_FSCommand("IDC_FS_pingsettings", "");
  Click(pinger.chkDoPinging);
  if (face != "automatic") {
    Click(pinger.optManual);
    SendMessageA(pinger.txtPingHost.hWnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("127.0.0.1"));
    pinger.cmbPingInterval.SetListIndex(4);
    Click(pinger.chkSound);
  }
  Click(pinger.cmdSave);
  if (face == "pinged") Click(pinger.cmdPingNow);

  SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, &QuitTimer);
  const int code = RunMessageLoop();
  main.Unload();
  return code;
}
