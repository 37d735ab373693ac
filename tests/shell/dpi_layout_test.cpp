// The main window, its face, every tool window and the tray notice at the
// screen's resolution. dpi_layout.sh runs this program at 96, 120 and 144 dpi and
// says which one through QUORVANE_EXPECTED_DPI; the data-file cases run at each.
#include <doctest.h>

#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "../dialogs/balloon_test_support.h"
#include "../optimizer/tcpip_fixture.h"
#include "dialogs/IconArt.h"
#include "dialogs/MsgBoxFlags.h"
#include "optimizer/OutcomeNotes.h"
#include "optimizer/TcpSettings.h"
#include "optimizer/ModeDescription.h"
#include "optimizer/frmWizardMode.h"
#include "registry/AppSettings.h"
#include "shell/ProgramParts.h"
#include "shell/frmMain.h"
#include "shell/movie/MoviePainter.h"
#include "startup/frmMainSettings.h"
#include "support/RecordingEffects.h"
#include "system/ProgramFolder.h"
#include "ui/PictureBox.h"
#include "ui/Screen.h"

using namespace quorvane;
using namespace testing;

namespace {

RECT ScreenRectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// What the program's folder holds for a case: the shipped files, or one of them
// missing or damaged.
enum class FileState { Shipped, Missing, Damaged };
struct DataFiles {
  const char* name;
  FileState movie, mask;
};

void PutDataFile(const std::string& from, const std::string& to, FileState state) {
  if (state == FileState::Shipped) CopyFileA(from.c_str(), to.c_str(), FALSE);
  if (state == FileState::Damaged) WritePrivateProfileStringA("junk", "not", "a face [", to.c_str());
}

// The program as it starts, with its real tool windows, from a folder that holds
// the data files of the case.
struct MainWindowAtDpi {
  RecordingEffects effects;
  TempFolder folder{"DpiLayout"};
  std::unique_ptr<frmMain> main;
  std::vector<std::string> commands;

  explicit MainWindowAtDpi(const DataFiles& files) {
    const std::string shipped = ProgramFolder();
    PutDataFile(shipped + "\\Quorvane.swf", folder / "Quorvane.swf", files.movie);
    PutDataFile(shipped + "\\QuorvaneMask.skn", folder / "QuorvaneMask.skn", files.mask);
    OverrideProgramFolder(folder.path());
    SaveAppSetting(kMainSettingsSection, "chkRunProgramMini", "0");
    main = std::make_unique<frmMain>();
    SetMainWindow(main.get());
    InstallProgramParts(*main);
    main->Load();
    main->Show();
    main->Flash.FSCommand = [this](const std::string& command, const std::string&) { commands.push_back(command); };
  }
  ~MainWindowAtDpi() {
    main->Unload();
    main.reset();
    OverrideProgramFolder("");
  }

  RECT Client() const {
    RECT client{};
    GetClientRect(main->hWnd(), &client);
    MapWindowPoints(main->hWnd(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
  }
  // A click where a person sees the button: the window on top there gets it.
  HWND ClickAt(const RECT& onScreen) {
    POINT at{(onScreen.left + onScreen.right) / 2, (onScreen.top + onScreen.bottom) / 2};
    ScreenToClient(main->hWnd(), &at);
    HWND hit = ChildWindowFromPointEx(main->hWnd(), at, CWP_SKIPINVISIBLE);
    MapWindowPoints(main->hWnd(), hit, &at, 1);
    SendMessageA(hit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageA(hit, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    return hit;
  }
};

// The face's buttons that work from every page, so must never lie under a tool window.
const char* const kAlwaysReachable[] = {"IDC_FS_home", "IDC_FS_restart", "IDC_FS_close",
                                        "IDC_FS_tray", "IDC_FS_help",    "IDC_FS_minimize"};

}  // namespace

TEST_CASE("main window, face and every tool window scale together, whatever data files are there") {
  const char* expected = std::getenv("QUORVANE_EXPECTED_DPI");
  REQUIRE(expected);
  REQUIRE(ScreenDpi() == std::atoi(expected));
  const DataFiles cases[] = {
      {"shipped files", FileState::Shipped, FileState::Shipped},
      {"skin missing", FileState::Shipped, FileState::Missing},
      {"skin damaged", FileState::Shipped, FileState::Damaged},
      {"movie missing", FileState::Missing, FileState::Shipped},
  };
  for (const DataFiles& files : cases) {
    CAPTURE(files.name);
    MainWindowAtDpi h(files);
    frmMain& main = *h.main;
    CHECK(main.Skin.IsPlain() == (files.mask != FileState::Shipped));
    CHECK(main.Flash.LoadError().empty() == (files.movie == FileState::Shipped));
    const RECT client = h.Client();
    CHECK(client.right - client.left == ScreenTwipsToPixels(10710));
    // The face covers the client area: no skin background, plain or not, shows.
    const RECT face = ScreenRectOf(main.Flash.hWnd());
    CHECK(Inside(client, face));
    // The older buttons stay under the face.
    for (HWND child = GetWindow(main.hWnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (child == main.Flash.hWnd() || !IsWindowVisible(child)) continue;
      const RECT place = ScreenRectOf(child);
      CHECK_MESSAGE(h.ClickAt(place) == main.Flash.hWnd(), "a child shows beside the face at ", place.left, ",",
                    place.top);
    }
    h.commands.clear();

    std::vector<RECT> reachable;
    for (const MovieButton* button : main.Flash.ActiveButtons())
      for (const char* command : kAlwaysReachable)
        if (button->command == command)
          reachable.push_back({face.left + button->rect.x, face.top + button->rect.y, face.left + button->rect.Right(),
                               face.top + button->rect.Bottom()});
    CHECK(reachable.size() >= 5);  // a face may leave out minimise

    const RECT stage = ScreenRectOf(main.framChildWindow.hWnd());
    CHECK(Inside(stage, client));
    RECT both;
    for (const RECT& button : reachable) CHECK_FALSE(IntersectRect(&both, &button, &stage));
    for (ToolWindow slot : kLoadOrder) {
      CAPTURE(ToolWindowName(slot));
      main.showToolWindow(slot);
      Form& window = *main.ToolWindowSlots.Loaded(slot);
      CHECK(Inside(ScreenRectOf(window.hWnd()), stage));
      for (Control* control : window.Controls()) {
        if (!control->hWnd() || !IsWindowVisible(control->hWnd())) continue;
        CAPTURE(control->Name());
        CHECK(Inside(ScreenRectOf(control->hWnd()), stage));
      }
    }
    // With a tool window shown, those buttons are still seen and pressed.
    for (const RECT& button : reachable) CHECK(h.ClickAt(button) == main.Flash.hWnd());
    CHECK(h.commands.size() == reachable.size());
  }
}

TEST_CASE("the tray notice's texts fit inside its balloon") {
  const SIZE screen = ScreenSize();
  MessageBalloon().MsgAuto_box(Tray::kDefaultBalloon, MsgBoxFlags::kInformation, Tray::kBalloonTitle, 0, true, 0,
                               screen.cx - 40, screen.cy, 0);
  for (const char* name : {"aTitle", "aMsg"}) {
    CAPTURE(name);
    Control& label = BalloonControl(name);
    RECT needed{0, 0, label.PixelBounds().width, 0};
    HDC dc = GetDC(label.hWnd());
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(label.Send(WM_GETFONT)));
    DrawTextA(dc, TextOf(name).c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK);
    SelectObject(dc, previous);
    ReleaseDC(label.hWnd(), dc);
    CHECK(needed.right <= label.PixelBounds().width);
    CHECK(needed.bottom <= label.PixelBounds().height);
    // Within the balloon's shape, corner to corner.
    RECT place = ScreenRectOf(label.hWnd());
    const RECT window = BalloonScreenRect();
    CHECK(RegionHolds(BalloonWindow(), place.left - window.left, place.top - window.top));
    CHECK(RegionHolds(BalloonWindow(), place.right - 1 - window.left, place.bottom - 1 - window.top));
  }
  // Its icons are drawn at the larger size, not left small or stretched.
  BITMAP strip{};
  GetObjectA(static_cast<PictureBox&>(BalloonControl("pIcons")).Bitmap(), sizeof strip, &strip);
  CHECK(strip.bmHeight == ScaleDesignPixels(kIconTileSize, ScreenDpi()));
  CloseBalloon();
}

TEST_CASE("the main window fits the work area, on the screen, shrunk only where the screen is too small") {
  MainWindowAtDpi h({"shipped files", FileState::Shipped, FileState::Shipped});
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const RECT window = ScreenRectOf(h.main->hWnd());
  CAPTURE(work.right - work.left);
  CAPTURE(work.bottom - work.top);
  CHECK(Inside(window, work));
  const int designedDpi = std::atoi(std::getenv("QUORVANE_EXPECTED_DPI"));
  const bool fitsAsDesigned = TwipsToPixels(10710, designedDpi) <= work.right - work.left &&
                              TwipsToPixels(7485, designedDpi) <= work.bottom - work.top;
  CHECK((ScreenDpi() == designedDpi) == fitsAsDesigned);
  if (!fitsAsDesigned)  // shrunk no more than needed
    CHECK((window.right - window.left > (work.right - work.left) * 9 / 10 ||
           window.bottom - window.top > (work.bottom - work.top) * 9 / 10));
}

TEST_CASE("the home line holds the longest note the program writes") {
  MainWindowAtDpi h({"shipped files", FileState::Shipped, FileState::Shipped});
  const std::string backup = "C:\\Quorvane\\999.BCK";
  std::vector<std::string> notes = {RestoredNote("999.BCK", backup, 0, false), RestoredNote("999.BCK", backup, 99, false),
                                    RestoredNote("999.BCK", backup, 0, true),
                                    AppliedNote("Your advanced settings", backup, 0),
                                    AppliedNote("Your advanced settings", backup, 99)};
  for (const char* mode : kModeCaptions)
    notes.push_back(AppliedNote(mode, backup, 0) + " " + NoEffectNote(12, "Windows Vista or 7"));
  const MovieScene& scene = h.main->Flash.Scene();
  const MovieText* line = nullptr;
  for (const MovieText& text : scene.FindPage(scene.homePage)->texts)
    if (text.variable == "_root.status") line = &text;
  REQUIRE(line);
  MoviePainter painter;
  HDC dc = GetDC(h.main->Flash.hWnd());
  HGDIOBJ previous = SelectObject(dc, painter.Font(scene, line->size, line->bold));
  for (const std::string& note : notes) {
    CAPTURE(note);
    RECT needed{0, 0, line->rect.width, 0};
    DrawTextA(dc, note.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    CHECK(needed.right <= line->rect.width);
    CHECK(needed.bottom <= line->rect.height);
  }
  SelectObject(dc, previous);
  ReleaseDC(h.main->Flash.hWnd(), dc);
}

// Each cell of the wizard's grid is a label of its own; its longest text
// ("Keep Alive Interval", "Windows default") must fit it on one line.
TEST_CASE("the wizard's value grid: every name and value fits its own column on one line") {
  MainWindowAtDpi h({"shipped files", FileState::Shipped, FileState::Shipped});
  h.main->showToolWindow(ToolWindow::WizardMode);
  auto& wizard = static_cast<frmWizardMode&>(*h.main->ToolWindowSlots.Loaded(ToolWindow::WizardMode));
  TcpSettings removed = ModePresets[0];
  removed.MSS = removed.MTU = removed.RWIN = removed.TTL = removed.KeepAliveTime = removed.KeepAliveInterval =
      removed.NDICacheSize = removed.MaxConn10 = removed.MaxConn11 = kWindowsDefault;
  removed.SYNProtect = static_cast<int16_t>(kWindowsDefault);
  CurrentSettings = removed;
  wizard.BuildModeDescription();
  for (int i = 0; i < kModeGridCells; ++i) {
    for (Label* label : {static_cast<Label*>(&wizard.lblGridName(i)), static_cast<Label*>(&wizard.lblGridValue(i))}) {
      CAPTURE(label->Caption());
      RECT needed{0, 0, 0, 0};
      HDC dc = GetDC(label->hWnd());
      HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(label->Send(WM_GETFONT)));
      DrawTextA(dc, label->Caption().c_str(), -1, &needed, DT_CALCRECT | DT_SINGLELINE);
      SelectObject(dc, previous);
      ReleaseDC(label->hWnd(), dc);
      CHECK(needed.right <= label->PixelBounds().width);
      CHECK(needed.bottom <= label->PixelBounds().height);
    }
  }
}
