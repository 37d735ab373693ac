// The main window with the advanced wizard shown in its frame, on a given page,
// for a person to look at (tests/optimizer/advanced/screenshot_advanced_pages.sh).
//   advanced_demo.exe PAGE SECONDS
#include <windows.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "optimizer/TcpSettings.h"
#include "optimizer/advanced/frmAdvancedMode.h"
#include "shell/frmMain.h"
#include "ui/MessageLoop.h"

using namespace quorvane;

namespace {

void CALLBACK EndDemo(HWND, UINT, UINT_PTR, DWORD) { ExitProcess(0); }

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  std::string line = commandLine;
  for (char& c : line)
    if (c == '"') c = ' ';  // the desktop's launcher may pass the arguments quoted
  std::istringstream arguments(line);
  int page = 0, seconds = 8;
  arguments >> page >> seconds;

  frmAdvancedMode wizard;
  frmMain main;
  main.ToolWindowSlots.Install(ToolWindow::AdvancedMode, wizard);
  main.Load();
  CurrentSettings = ModePresets[0];
  main.Show();
  main.showToolWindow(ToolWindow::AdvancedMode);
  for (int i = 0; i < page; ++i) SendMessageA(wizard.cmdNextPage.hWnd(), BM_CLICK, 0, 0);
  SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, EndDemo);
  return RunMessageLoop();
}
