// The main window and its tray icon: the icon's clicks, hiding to the tray and
// coming back.
#include "shell/frmMain.h"

#include "dialogs/MsgBoxFlags.h"
#include "dialogs/msgFrm.h"
#include "system/mdlOSVersion.h"

namespace quorvane {

void frmMain::Tray1_LeftClick() { mnuMainWindow_Click(); }
void frmMain::Tray1_MouseClick(int& /*button*/) { mnuMainWindow_Click(); }
void frmMain::Tray1_RightClick() { PopupMenu(mnuPopup); }

HWND frmMain::ComeBackToFront() {
  mnuMainWindow_Click();
  return hWnd();
}

// Shown, and a minimised window restored too: whoever asks for the window wants
// to see it, in front.
void frmMain::mnuMainWindow_Click() {
  Show();
  if (IsIconic(hWnd())) ShowWindow(hWnd(), SW_RESTORE);
  SetForegroundWindow(hWnd());
}

void frmMain::hideToTray() {
  Hide();
  if (IsWin9xFamily(OSVersionId)) {
    // The 9x family has no tray balloons: a balloon window of our own near the
    // bottom-right corner, closing itself after five seconds.
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    MessageBalloon().MsgAuto_box(Tray1.TrayBalloonToolTip(), MsgBoxFlags::kInformation,
                                 Tray::kBalloonTitle, 5, true, RGB(242, 248, 200), screenWidth - 40,
                                 screenHeight, 0);
  } else {
    Tray1.showBalloonoolTip(true);
  }
}

}  // namespace quorvane
