// End to end: the movie's command shows the pinger in the main window; the
// user switches it on in manual mode with the loopback host, saves, and
// "Ping &Now" sends a real echo, which the status line reports.
#include <doctest.h>

#include "pinger_harness.h"
#include "shell/frmMain.h"

using namespace quorvane;
using testing::PingerHarness;

TEST_CASE("end to end: IDC_FS_pingsettings, manual mode, 127.0.0.1, Save, Ping Now") {
  testing::RecordingEffects effects;
  testing::DeleteKeyTree(HKEY_LOCAL_MACHINE, kNetPingerSection);
  SaveAppSetting(kMainSettingsSection, "chkRunProgramMini", "0");
  NetPinger engine;
  engine.Start();
  frmNetPingerSettings pinger(engine);
  {
    frmMain main;
    main.ToolWindowSlots.Install(ToolWindow::NetPingerSettings, pinger);
    main.Load();
    CHECK_FALSE(pinger.IsLoaded());  // made when first shown

    main.Flash_FSCommand("IDC_FS_pingsettings", "");
    CHECK(pinger.Visible());
    CHECK(GetParent(pinger.hWnd()) == main.framChildWindow.hWnd());

    PingerHarness::Click(pinger.chkDoPinging);
    PingerHarness::Click(pinger.optManual);
    SendMessageA(pinger.txtPingHost.hWnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("127.0.0.1"));
    PingerHarness::Click(pinger.cmdSave);
    CHECK(engine.Ticker().Running());
    PingerHarness::Click(pinger.cmdPingNow);
    const std::string status = testing::WindowTextOf(pinger.lblPingStatus.hWnd());
    CAPTURE(status);
    CHECK(status.find("127.0.0.1: reply in ") == 0);
    CHECK(effects.messageBoxes.empty());
    main.Unload();
  }
  testing::DeleteKeyTree(HKEY_LOCAL_MACHINE, kNetPingerSection);
}
