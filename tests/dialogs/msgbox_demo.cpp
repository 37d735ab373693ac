// Shows one of the balloon's three faces for a person to look at (and for
// scripts/screenshot-msgbox.sh): "message", a three-button message box with an
// icon and a check box, pointing at a button of a window beneath; "input", the
// input box; "notice", the notice as the program shows it when it hides to the
// tray. Ends itself after the number of seconds given second (default 8).
#include <windows.h>

#include <cstdlib>
#include <string>

#include "dialogs/MsgBoxFlags.h"
#include "dialogs/msgFrm.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/MessageLoop.h"

using namespace quorvane;
namespace Flags = quorvane::MsgBoxFlags;

namespace {

// A window for the balloon to stand over, so its shadow has something to darken.
class frmBackdrop : public Form {
 public:
  frmBackdrop() : Form("frmBackdrop", "Quorvane", {7200, 4200}, FormOptions{.showInTaskbar = true}) {
    SetPositionTwips(60 * 15, 40 * 15);
  }
  Frame frameMode{*this, "frameMode", {240, 180, 6720, 2520}, "Optimization Mode"};
  Label lblMode{frameMode, "lblMode", {240, 360, 6240, 1800},
                "Automatic-D:  MTU 1500,  MSS 1460,  RWIN 256960,  TTL 128\r\n"
                "Path MTU discovery on,  black hole detection off\r\n"
                "SYN attack protection on,  ICMP redirects off"};
  CommandButton cmdOptimize{*this, "cmdOptimize", {240, 3000, 2400, 420}, "Optimize &Now"};
  CommandButton cmdClose{*this, "cmdClose", {4560, 3000, 2400, 420}, "Close"};
};

void CALLBACK EndDemo(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  MessageBalloon().Hide();  // ends a modal call
  MessageBalloon().Unload();
  PostQuitMessage(0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  const std::string arguments = commandLine ? commandLine : "";
  const std::string mode = arguments.substr(0, arguments.find(' '));
  const size_t space = arguments.find(' ');
  const int seconds = space == std::string::npos ? 8 : std::atoi(arguments.c_str() + space + 1);
  SetTimer(nullptr, 0, static_cast<UINT>(seconds > 0 ? seconds : 8) * 1000, &EndDemo);

  if (mode == "notice") {
    // As hiding to the tray shows it on the Windows 95 family.
    HDC screen = GetDC(nullptr);
    const int width = GetDeviceCaps(screen, HORZRES), height = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
    MessageBalloon().MsgAuto_box("The Program Still Running Here", Flags::kInformation, "Program notification", 5,
                                 true, RGB(242, 248, 200), width - 40, height, 0);
    return RunMessageLoop();
  }

  frmBackdrop backdrop;
  backdrop.Show();
  DoEvents(4);
  RECT button{};
  GetWindowRect(backdrop.cmdOptimize.hWnd(), &button);
  const int x = (button.left + button.right) / 2 - 40, y = button.bottom - 2;  // the tip under its caption
  if (mode == "input") {
    MessageBalloon().input_box("Enter the host name or the IP address that the pinger keeps the line open with:",
                               Flags::kQuestion, "Net Pinger", "www.example.com", false, "Remember this host", 0, x,
                               y, 0);
  } else {
    MessageBalloon().msg_Box(
        "Apply the optimized TCP/IP settings now? The values the registry holds are saved to a backup file first, "
        "and Windows must restart before they take effect.",
        Flags::kYesNoCancel | Flags::kQuestion | Flags::kDefaultButton1, "Apply settings", false,
        "Do not ask me again", "", "", "", 0, x, y, 20);
  }
  return 0;
}
