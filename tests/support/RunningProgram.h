// The whole program once, as it starts: the main window with its movie, its skin
// and the seven tool windows, in a folder of its own, pinging nothing, put in
// front. The test target defines QUORVANE_DATA_DIR (the shipped data folder).
#pragma once

#include <windows.h>

#include <string>

#include "optimizer/tcpip_fixture.h"
#include "registry/AppSettings.h"
#include "shell/ProgramParts.h"
#include "shell/frmMain.h"
#include "support/RecordingEffects.h"
#include "system/ProgramFolder.h"
#include "system/mdlOSVersion.h"
#include "ui/MessageLoop.h"

namespace testing {

struct RunningProgram {
  RecordingEffects effects;
  TcpipRegistry tcpip;
  TempFolder folder{"RunningProgram"};
  quorvane::frmMain main;

  RunningProgram() {
    using namespace quorvane;
    SaveAppSetting(kMainSettingsSection, "chkRunProgramMini", "0");
    SaveAppSetting(kMainSettingsSection, "chkRunMainProgram", "0");
    SaveAppSetting(kNetPingerSection, "chkDoPinging", "0");
    SaveAppSetting(kNetPingerSection, "txtPingHost", "127.0.0.1");  // the only host a test may ping
    for (const char* file : {"Quorvane.swf", "QuorvaneMask.skn"})
      CopyFileA(DataFile(file).c_str(), (folder / file).c_str(), FALSE);
    OverrideProgramFolder(folder.path());
    SetMainWindow(&main);
    InstallProgramParts(main);
    main.Load();
    SetOperatingSystem(kOsIdWinXp);
    main.Show();
    SetForegroundWindow(main.hWnd());
    Settle();
  }
  ~RunningProgram() {
    main.Unload();
    quorvane::OverrideProgramFolder("");
  }

  // The face's home page in front, the keyboard on it.
  void GoHome() {
    main.returnHome();
    SetFocus(main.Flash.hWnd());
    Settle();
  }

  // Lets the program's loop handle everything posted meanwhile.
  static void Settle() {
    for (int i = 0; i < 10; ++i) {
      Sleep(5);
      quorvane::DoEvents(20);
    }
  }

  static std::string DataFile(const std::string& name) {
    std::string path = std::string("Z:") + QUORVANE_DATA_DIR + "/" + name;
    for (char& c : path)
      if (c == '/') c = '\\';
    return path;
  }
};

}  // namespace testing
