// A main window with the real advanced wizard in its slot, loaded and showing
// the wizard, over a cleared TCP/IP registry and a temporary program folder.
#pragma once

#include <doctest.h>

#include <windows.h>

#include <string>

#include "optimizer/TcpSettings.h"
#include "optimizer/advanced/frmAdvancedMode.h"
#include "optimizer/tcpip_fixture.h"
#include "registry/AppSettings.h"
#include "shell/frmMain.h"
#include "support/RecordingEffects.h"
#include "system/ProgramFolder.h"
#include "system/mdlOSVersion.h"
#include "system/mdlOSVersion.h"
#include "ui/ui_test_support.h"

namespace testing {

struct WizardHarness {
  RecordingEffects effects;
  TcpipRegistry registry;
  TempFolder programFolder{"advanced"};
  quorvane::frmAdvancedMode wizard;
  quorvane::frmMain main;

  WizardHarness() {
    quorvane::SaveAppSetting(quorvane::kMainSettingsSection, "chkRunProgramMini", "0");
    main.ToolWindowSlots.Install(quorvane::ToolWindow::AdvancedMode, wizard);
    main.Load();
    quorvane::OverrideProgramFolder(programFolder.path());
    quorvane::SetOperatingSystem(quorvane::kOsIdWinXp);
    quorvane::SetRunningRelease({2, 5, 1, 2600});
    quorvane::CurrentSettings = quorvane::ModePresets[0];
    main.Show();
    main.Flash_FSCommand("IDC_FS_advancedmode", "");
  }
  ~WizardHarness() {
    quorvane::OverrideProgramFolder("");
    if (main.IsLoaded()) main.Unload();
  }

  // Presses a button as the user does; a disabled one cannot be pressed.
  static void Click(quorvane::Control& control) {
    REQUIRE(IsWindowEnabled(control.hWnd()));
    SendMessageA(control.hWnd(), BM_CLICK, 0, 0);
  }
  void Next() { Click(wizard.cmdNextPage); }
  void Back() { Click(wizard.cmdPrevPage); }
  // Next until the page is shown.
  void GoTo(int page) {
    while (wizard.CurrentPage() < page) Next();
    REQUIRE(wizard.CurrentPage() == page);
  }

  // Puts text into a box from outside, as another program or a paste would.
  static std::string Put(quorvane::TextBox& box, const std::string& text) {
    SendMessageA(box.hWnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return WindowTextOf(box.hWnd());
  }
  // Picks a list item as the user does: the selection, then its notification.
  static void Pick(quorvane::ComboBox& box, int index) {
    SendMessageA(box.hWnd(), CB_SETCURSEL, index, 0);
    SendMessageA(GetParent(box.hWnd()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box.hWnd()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box.hWnd()));
  }

  // The one visible page, or -1 when none or more than one shows.
  int VisiblePage() {
    int shown = -1, count = 0;
    wizard.frmWizardPages.ForEach([&](quorvane::Frame& page) {
      // Shown within the wizard (the wizard itself is out of sight once home).
      if (page.Visible() && (GetWindowLongPtrA(page.hWnd(), GWL_STYLE) & WS_VISIBLE)) {
        shown = page.Index();
        ++count;
      }
    });
    return count == 1 ? shown : -1;
  }
  std::string NextCaption() { return WindowTextOf(wizard.cmdNextPage.hWnd()); }
  bool BackEnabled() { return IsWindowEnabled(wizard.cmdPrevPage.hWnd()) != FALSE; }
  bool MovieInFront() { return GetWindow(main.hWnd(), GW_CHILD) == main.Flash.hWnd(); }
  std::string BackupsFolder() { return programFolder.path() + "\\Backups"; }
};

}  // namespace testing
