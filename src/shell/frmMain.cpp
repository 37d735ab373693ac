#include "shell/frmMain.h"

#include <algorithm>

#include "common/ProgramName.h"
#include "optimizer/TcpSettings.h"
#include "registry/AppSettings.h"
#include "shell/ProgramIcon.h"
#include "system/Effects.h"
#include "system/LazyLibrary.h"
#include "system/ProgramFolder.h"
#include "system/SystemFolders.h"
#include "system/mdlOSVersion.h"
#include "ui/DialogKeys.h"
#include "ui/Screen.h"

namespace quorvane {

namespace {

frmMain* g_mainWindow = nullptr;

// Designed sizes: the window 10710 x 7485 twips; the movie 709 x 513 pixels at
// (-1, -38), so its top strip and left column stay outside the window. The
// movie's pixels are those of a 96-dpi screen; larger fonts grow them.
constexpr TwipsSize kMainWindowSize{10710, 7485};
constexpr int kMovieLeft = -1, kMovieTop = -38, kMovieWidth = 709, kMovieHeight = 513;
// The movie variable of the home page's status line (docs/movie-format.md).
constexpr const char* kHomeNoteVariable = "_root.status";

}  // namespace

frmMain& MainWindow() { return *g_mainWindow; }
void SetMainWindow(frmMain* window) { g_mainWindow = window; }

frmMain::frmMain()
    : Form("frmMain", kProgramName, kMainWindowSize,
           FormOptions{.border = FormBorder::None, .showInTaskbar = true}) {
  // Before any window or font is made: a small screen at a large dpi lays them all out smaller.
  FitLayoutToWorkArea(kMainWindowSize);
  // The older buttons: control arrays by index, covered by the movie.
  const char* const quorvane[] = {"Quorvane", "Wizard Mode", "Advanced Mode", "Backup"};
  for (int i = 0; i < 4; ++i) cmdQuorvane.Add(i, *this, TwipsRect{240, 1800 + i * 480, 1200, 375}, quorvane[i]);
  const char* const system[] = {"System Settings", "Internet Properties", "System Properties", "Modems Settings",
                                "Network Settings"};
  for (int i = 0; i < 5; ++i) cmdSystemSettings.Add(i, *this, TwipsRect{1560, 1800 + i * 480, 1800, 375}, system[i]);
  const char* const ram[] = {"Ram Booster", "System Status", "Ram Configuration"};
  for (int i = 0; i < 3; ++i) cmdRamBooster.Add(i, *this, TwipsRect{240, 4320 + i * 480, 1200, 375}, ram[i]);
  const char* const pinger[] = {"Net Pinger", "Ping Settings"};
  for (int i = 0; i < 2; ++i) cmdNetPinger.Add(i, *this, TwipsRect{1560, 4320 + i * 480, 1800, 375}, pinger[i]);

  cmdQuorvane.Handle(&CommandButton::Click, [this](int index) { cmdQuorvane_Click(index); });
  cmdSystemSettings.Handle(&CommandButton::Click, [this](int index) { cmdSystemSettings_Click(index); });
  cmdRamBooster.Handle(&CommandButton::Click, [this](int index) { cmdRamBooster_Click(index); });
  cmdNetPinger.Handle(&CommandButton::Click, [this](int index) { cmdNetPinger_Click(index); });
  cmdMainSettings.Click = [this] { showToolWindow(ToolWindow::MainSettings); };
  // "Home Page", "About" and "Help" do nothing.
  // Out of sight beneath the movie, and so out of the keyboard's reach (Tab, "&" letters).
  auto hide = [](CommandButton& button) { button.SetVisible(false); };
  cmdQuorvane.ForEach(hide);
  cmdSystemSettings.ForEach(hide);
  cmdRamBooster.ForEach(hide);
  cmdNetPinger.ForEach(hide);
  for (CommandButton* button : {&cmdMainSettings, &cmdHomePage, &cmdAbout, &cmdHelp}) hide(*button);

  mnuMainWindow.Click = [this] { mnuMainWindow_Click(); };
  mnuHelp.Click = [this] { mnuHelp_Click(); };
  mnuExit.Click = [this] { mnuExit_Click(); };

  Tray1.SetEventMode(0);
  Tray1.SetTrayToolTip("Program notification");
  Tray1.SetTrayBalloonToolTip(Tray::kDefaultBalloon);
  Tray1.LeftClick = [this] { Tray1_LeftClick(); };
  Tray1.RightClick = [this] { Tray1_RightClick(); };
  Tray1.MouseClick = [this](int& button) { Tray1_MouseClick(button); };
  Flash.FSCommand = [this](const std::string& command, const std::string& args) { Flash_FSCommand(command, args); };

  if (!g_mainWindow) g_mainWindow = this;
}

frmMain::~frmMain() {
  if (g_mainWindow == this) g_mainWindow = nullptr;
}

void frmMain::Trace(const std::string& step) {
  if (StartupTrace) StartupTrace(step);
}

void frmMain::Form_Load() {
  const std::string folder = ProgramFolder();
  SendMessageA(hWnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon()));
  SendMessageA(hWnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon()));
  Tray1.Create(hWnd());
  AcceptTaskbarCreated();
  Tray1.SetTrayImage(ProgramIcon());
  Flash.Create(hWnd(), ScaleDesignPixels(kMovieLeft, ScreenDpi()), ScaleDesignPixels(kMovieTop, ScreenDpi()),
               ScaleDesignPixels(kMovieWidth, ScreenDpi()), ScaleDesignPixels(kMovieHeight, ScreenDpi()));
  CenterOnScreen();

  // 1. The splash, above everything while the rest starts.
  Splash.Load(folder + "\\QuorvaneSpl.spl");
  Splash.Start(0);
  Trace("splash");
  // 2. Sizes.
  SetOuterSizeTwips(kMainWindowSize);
  FitMovieToWindow();
  Trace("size");
  // 3. The movie covers the frame.
  FrameToFront();
  MovieToFront();
  Trace("stacking");
  // 4. The movie.
  Flash.LoadMovie(0, folder + "\\Quorvane.swf");
  Trace("movie");
  // 5. The skin.
  Skin.LoadSkin(folder + "\\QuorvaneMask.skn");
  Skin.ApplySkin(hWnd(), "Main");
  Skin.ApplySkin(framChildWindow.hWnd(), "NoFrame");
  Trace("skin");
  // 6, 7. Which Windows, and the presets.
  detectOperatingSystem();
  Trace("os " + std::to_string(OSVersionId));
  InitModePresets();
  StartWorkingSettings();
  Trace("presets");
  // 8. The tray icon.
  Tray1.Show(true);
  Trace("tray");
  // 9. What runs without a window; the tool windows are made when first shown.
  ToolWindowSlots.HostIn(framChildWindow.hWnd());
  if (engines_) engines_->Start(*this);
  Trace("engines");
  // 10. Straight to the tray when the start-up option says so.
  startedInTray_ = StartsInTray();
  if (startedInTray_) {
    hideToTray();
    Trace("to tray");
  }
  // 11. The splash goes.
  Splash.Dismiss();
  Trace("splash closed");
}

void frmMain::Form_Unload() { EndProgram(kHideOrder); }

void frmMain::EndProgram(const ToolWindowOrder& order) {
  UnloadAll(order);
  Tray1.Show(false);  // gone at once, though a ping in flight may keep the engines a few seconds
  if (engines_) engines_->Stop();
  CurrentEffects().EndProcess(0);
}

LRESULT frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TaskbarCreatedMessage() && message != 0) {  // Explorer came back without the icon
    Tray1.AddAgain();
    return 0;
  }
  switch (message) {
    case WM_QUERYENDSESSION:  // a session ending does not wait for questions: Windows may end
      return TRUE;
    case WM_ENDSESSION:  // Windows is ending: go as closing goes, tray icon and timers with it
      if (wParam) Unload();
      return 0;
    case WM_CLOSE:  // Alt+F4, or another program closing the window
      if (!ChangesSavedOrDropped()) return 0;
      break;
  }
  return Form::HandleMessage(message, wParam, lParam);
}

UINT frmMain::TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

// The program runs as administrator, and Explorer does not: the message must be let
// through the filter that keeps a lower process's messages out.
void frmMain::AcceptTaskbarCreated() {
  using AllowMessage = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
  static const auto allow = LibraryFunction<AllowMessage>("user32.dll", "ChangeWindowMessageFilterEx");
  if (allow) allow(hWnd(), TaskbarCreatedMessage(), 1 /* MSGFLT_ALLOW */, nullptr);
}

bool frmMain::ChangesSavedOrDropped() {
  for (ToolWindow slot : kHideOrder) {
    ToolForm* window = ToolWindowSlots.Loaded(slot);
    if (!window || !window->HasUnsavedChanges()) continue;
    const int answer = CurrentEffects().ShowMessageBox(hWnd(), "Save the changes to " + window->Caption() + "?",
                                                       kProgramName, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) return false;
    if (answer == IDYES && !window->SaveChanges()) return false;  // the window said why; nothing is lost
  }
  return true;
}

bool frmMain::StartsInTray() { return engines_ && engines_->StartsInTray(); }

void frmMain::applyAllControls(Form& window) { ApplySkinToAllControls(Skin, window); }

void frmMain::SkinToolWindow(Form& window) {
  Skin.ApplySkin(window.hWnd(), "controlForm");
  applyAllControls(window);
}

void frmMain::SetMovieVariable(const std::string& name, const std::string& value) { Flash.SetVariable(name, value); }

void frmMain::SetTrayToolTip(const std::string& text) {
  Tray1.SetTrayToolTip(text);
  if (Tray1.IsVisible()) Tray1.Show(true);  // the shell shows the new text only when told
}

// The window, laid out in twips, is a few pixels larger than the movie was drawn
// for; the movie reaches its right and bottom edges all the same, so no skin's
// background (nor the plain one's white) shows around the face.
void frmMain::FitMovieToWindow() {
  const int dpi = ScreenDpi();
  const int left = ScaleDesignPixels(kMovieLeft, dpi), top = ScaleDesignPixels(kMovieTop, dpi);
  const SIZE client = ClientPixelSize();
  const int width = std::max<int>(ScaleDesignPixels(kMovieWidth, dpi), client.cx - left);
  const int height = std::max<int>(ScaleDesignPixels(kMovieHeight, dpi), client.cy - top);
  SetWindowPos(Flash.hWnd(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmMain::MovieToFront() {
  SetWindowPos(Flash.hWnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // The frame beneath is out of sight: out of the keyboard's reach too. The
  // keyboard goes back to the movie when it was in the frame.
  HWND focus = GetFocus();
  const bool focusInFrame = focus && IsChild(framChildWindow.hWnd(), focus);
  framChildWindow.SetVisible(false);
  if (focusInFrame) ::SetFocus(Flash.hWnd());
}

void frmMain::FrameToFront() {
  framChildWindow.SetVisible(true);
  SetWindowPos(framChildWindow.hWnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Windows never made have nothing to hide, show or unload; "closeAbout" shows
// the made ones in the frame behind the movie, so making the others would show nothing more.
void frmMain::HideAll(const ToolWindowOrder& order) {
  for (ToolWindow slot : order)
    if (ToolForm* window = ToolWindowSlots.Loaded(slot)) window->Hide();
}

void frmMain::ShowAll(const ToolWindowOrder& order) {
  for (ToolWindow slot : order)
    if (ToolForm* window = ToolWindowSlots.Loaded(slot)) window->Show();
}

void frmMain::UnloadAll(const ToolWindowOrder& order) {
  for (ToolWindow slot : order)
    if (ToolForm* window = ToolWindowSlots.Loaded(slot)) window->Unload();
}

void frmMain::showToolWindow(ToolWindow slot) {
  HideAll(kHideOrder);
  ToolForm* opened = ToolWindowSlots.Open(slot);
  if (!opened) return;
  Form& window = *opened;
  if (window.HostWindow() != framChildWindow.hWnd()) window.HostIn(framChildWindow.hWnd());
  window.Show();
  FrameToFront();
  // The keyboard starts at the window's first control (not when another
  // program is active: that would take the activation away from it).
  if (GetActiveWindow() == hWnd())
    if (HWND first = FirstTabStopIn(window.hWnd())) ::SetFocus(first);
}

bool frmMain::OnEscape() {
  if (Form::OnEscape()) return true;
  if (!framChildWindow.Visible()) return false;
  returnHome();  // Escape leaves the tool window for the home page
  return true;
}

void frmMain::returnHome() {
  MovieToFront();
  Flash.SetVariable("_root.home", "true");
}

void frmMain::ShowHomeNote(const std::string& text) { Flash.SetVariable(kHomeNoteVariable, text); }

void frmMain::ShowBackupManager() {
  if (auto* list = dynamic_cast<BackupListWindow*>(ToolWindowSlots.Open(ToolWindow::BackUp))) list->intializeList();
  showToolWindow(ToolWindow::BackUp);
}

void frmMain::OpenHelpFile() {
  // Windows' help viewer by its full path, not the .chm file's association: that
  // can be set per user (HKCU\Software\Classes) by any program this user runs, and
  // whatever it names would start as administrator.
  const std::string viewer = WindowsFolder() + "\\hh.exe";
  const std::string helpFile = ProgramFolder() + "\\QuorvaneHelp.chm";
  if (!CurrentEffects().StartProgram(viewer, QuotedCommandLine(viewer, "\"" + helpFile + "\""), SW_SHOWNORMAL))
    CurrentEffects().ShowMessageBox(hWnd(), "Windows' help viewer (" + viewer + ") could not be started.", kProgramName,
                                    MB_OK | MB_ICONEXCLAMATION);
}

void frmMain::dragWindow() {
  ReleaseCapture();
  SendMessageA(hWnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void frmMain::PlainMessage(const char* text) { CurrentEffects().ShowMessageBox(hWnd(), text, kProgramName, MB_OK); }

void frmMain::mnuHelp_Click() { OpenHelpFile(); }
void frmMain::mnuExit_Click() {
  if (ChangesSavedOrDropped()) Unload();
}

}  // namespace quorvane
