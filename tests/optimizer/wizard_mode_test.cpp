#include <doctest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "optimizer/ModeDescription.h"
#include "optimizer/TcpSettings.h"
#include "optimizer/frmWizardMode.h"
#include "shell/frmMain.h"
#include "support/RecordingEffects.h"
#include "support/RegQuery.h"
#include "system/ProgramFolder.h"
#include "system/mdlOSVersion.h"
#include "tcpip_fixture.h"
#include "ui/ui_test_support.h"

using namespace quorvane;

namespace {

// The main window with the real wizard in its slot, backups in a scratch folder.
struct WizardHarness {
  testing::RecordingEffects effects;
  testing::TcpipRegistry tcpip;
  testing::TempFolder folder{"WizardMode"};
  frmWizardMode wizard;
  std::unique_ptr<frmMain> main;

  WizardHarness() {
    OverrideProgramFolder(folder.path());
    main = std::make_unique<frmMain>();
    SetMainWindow(main.get());
    main->ToolWindowSlots.Install(ToolWindow::WizardMode, wizard);
    main->Load();
    main->ToolWindowSlots.Open(ToolWindow::WizardMode);
    // The test program reports whatever Wine says; the window is tried on XP
    // unless a test says otherwise.
    SetOperatingSystem(kOsIdWinXp);
    SetRunningRelease({2, 5, 1, 2600});
  }
  ~WizardHarness() {
    main->Unload();
    main.reset();
    OverrideProgramFolder("");
  }
  void Click(Control& control) { SendMessageA(control.hWnd(), BM_CLICK, 0, 0); }
  // The grid as it reads: "MSS 536|MTU 576|...".
  std::string Description() {
    std::string text;
    for (int i = 0; i < kModeGridCells; ++i) {
      char name[64], value[64];
      GetWindowTextA(wizard.lblGridName(i).hWnd(), name, sizeof name);
      GetWindowTextA(wizard.lblGridValue(i).hWnd(), value, sizeof value);
      text += std::string(i ? "|" : "") + name + " " + value;
    }
    return text;
  }
  bool MovieInFront() { return GetWindow(main->hWnd(), GW_CHILD) == main->Flash.hWnd(); }
  std::vector<std::string> Backups() { return testing::TempFolder::ListFiles(folder / "Backups"); }
};

}  // namespace

TEST_CASE("after start-up Automatic-A is chosen, shown and applied by Optimize Now") {
  WizardHarness h;
  CHECK(h.wizard.optMode(0).Value());
  CHECK(CurrentSettings == ModePresets[0]);
  CHECK(h.Description().find("MSS 536|MTU 576|ICMP False|NDI 0|MSCPS0 16|MSCPS1 8|") == 0);
  h.main->Flash_FSCommand("IDC_FS_wizardmode", "");
  h.Click(h.wizard.cmdOptimize);
  CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters",
                           "DefaultTTL") == 128u);
  CHECK(h.MovieInFront());
  CHECK(h.wizard.optMode(0).Value());  // the choice stays
  h.Click(h.wizard.cmdOptimize);      // twice: two backups
  CHECK(h.Backups().size() == 2);
}

TEST_CASE("a mode's values show on its click, and Optimize Now applies the mode shown") {
  WizardHarness h;
  h.Click(h.wizard.optMode(2));
  CHECK(CurrentSettings == ModePresets[2]);
  CHECK(h.Description().find("MSS Windows default|MTU Windows default|") == 0);
  h.Click(h.wizard.optMode(7));
  auto text = [](int32_t value) { return value == kWindowsDefault ? std::string("Windows default") : std::to_string(value); };
  CHECK(h.Description().find("|MSCPS0 " + text(ModePresets[7].MaxConn10) + "|MSCPS1 " +
                             text(ModePresets[7].MaxConn11) + "|") != std::string::npos);

  // The advanced wizard's Finish leaves its values in the shared set; the mode
  // shown here is still what Optimize Now applies.
  const std::string shown = h.Description();
  CurrentSettings.TTL = 99;
  h.Click(h.wizard.cmdOptimize);
  CHECK_FALSE(testing::ReadDword(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters",
                                 "DefaultTTL"));
  CHECK(CurrentSettings == ModePresets[7]);
  CHECK(h.Description() == shown);
  CHECK(h.main->Flash.Variable("_root.status") ==
        "Windows default applied. Earlier settings: backup 001.BCK. "
        "It takes effect after Windows restarts.");
}

TEST_CASE("when the backup cannot be written, the reason is shown and nothing changes") {
  WizardHarness h;
  h.main->Flash_FSCommand("IDC_FS_wizardmode", "");
  h.folder.Touch("Backups");  // a file where the folder should be
  const auto before = testing::TcpipRegistry::Take(Layout::Nt);
  h.Click(h.wizard.cmdOptimize);
  REQUIRE(h.effects.messageBoxes.size() == 1);
  CHECK(h.effects.messageBoxes[0].text.find("cannot be created") != std::string::npos);
  CHECK((h.effects.messageBoxes[0].style & MB_ICONEXCLAMATION) != 0);
  CHECK(testing::TcpipRegistry::Take(Layout::Nt) == before);
  CHECK_FALSE(h.MovieInFront());  // the wizard stays in front
}

TEST_CASE("end to end: the movie's wizard command, Automatic-D, Optimize Now, seen by reg.exe") {
  WizardHarness h;
  h.tcpip.SetAdapters(Layout::Nt, {"{E2E}"});
  h.main->Flash_FSCommand("IDC_FS_wizardmode", "");
  CHECK(h.wizard.Visible());
  h.Click(h.wizard.optMode(3));  // Automatic-D
  h.Click(h.wizard.cmdOptimize);

  const std::string parameters =
      testing::RegQuery("\"HKLM\\SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\"");
  CAPTURE(parameters);
  CHECK(parameters.find("DefaultTTL    REG_DWORD    0x40") != std::string::npos);
  CHECK(parameters.find("TcpWindowSize    REG_DWORD    0x1538") != std::string::npos);
  CHECK(parameters.find("KeepAliveTime    REG_DWORD    0x6ddd00") != std::string::npos);
  const std::string iface =
      testing::RegQuery("\"HKLM\\SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\{E2E}\"");
  CHECK(iface.find("MTU    REG_DWORD    0x240") != std::string::npos);
  const std::string ie = testing::RegQuery("\"HKCU\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\" /v MaxConnectionsPerServer");
  CHECK(ie.find("REG_DWORD    0x14") != std::string::npos);

  REQUIRE(h.Backups() == std::vector<std::string>{"001.BCK"});
  auto lines = testing::FileLines(h.folder / "Backups\\001.BCK");
  REQUIRE(lines.size() > 3);
  CHECK(lines[2] == "7");
  CHECK(h.MovieInFront());
  CHECK(h.main->Flash.CurrentPage() == "home");
}

TEST_CASE("on Windows 10 the grid greys SYN and says why; on XP nothing is greyed") {
  struct Case {
    WindowsRelease release;
    bool synEnabled;
    const char* note;
  };
  const Case cases[] = {{{2, 5, 1, 2600}, true, ""},
                        {{2, 10, 0, 19045}, false, "SYN: On Windows 10, SYN-flood protection is always on"}};
  for (const Case& c : cases) {
    CAPTURE(c.note);
    WizardHarness h;
    SetRunningRelease(c.release);
    h.wizard.BuildModeDescription();
    CHECK((IsWindowEnabled(h.wizard.lblGridValue(10).hWnd()) != FALSE) == c.synEnabled);
    CHECK(IsWindowEnabled(h.wizard.lblGridValue(11).hWnd()));  // TTL
    CHECK(testing::WindowTextOf(h.wizard.lblGridNote.hWnd()).rfind(c.note, 0) == 0);
  }
}
