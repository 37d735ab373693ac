// The main window: the program's start-up object. Its face is the movie; beneath
// it lies the frame framChildWindow, where one tool window at a time is shown. It
// owns the skin, the splash, the tray icon and its menu, and the seven tool
// windows, starts the engines, and dispatches the movie's commands.
#pragma once

#include <functional>
#include <string>

#include "shell/ProgramEngines.h"
#include "shell/ToolWindows.h"
#include "shell/movie/MovieControl.h"
#include "shell/skin/SkinControl.h"
#include "shell/splash/SplashControl.h"
#include "shell/tray/Tray.h"
#include "ui/Buttons.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Menu.h"

namespace quorvane {

class frmMain : public Form, public ToolWindowHost {
 public:
  frmMain();
  ~frmMain() override;

  // Skins every control of a window.
  void applyAllControls(Form& window);
  // Makes the window the single visible one in the frame, the frame in front
  // (made and loaded first, the first time).
  void showToolWindow(ToolWindow slot);
  // What runs from start-up; started at start-up's step 9 (none in some tests).
  void UseEngines(ProgramEngines& engines) { engines_ = &engines; }
  // ToolWindowHost: what the tool windows ask of the main window. returnHome
  // brings the movie in front, on its home page (the optimizer windows call it
  // after writing).
  void SkinToolWindow(Form& window) override;
  void returnHome() override;
  void SetMovieVariable(const std::string& name, const std::string& value) override;
  void SetTrayToolTip(const std::string& text) override;
  void ShowHomeNote(const std::string& text) override;
  // Escape in a tool window (or on the face while one shows) returns home.
  bool OnEscape() override;
  // Alt+letter presses the face's button of that "&" letter.
  bool OnMnemonic(char letter) override { return Flash.PressMnemonic(letter); }
  // Hides the main window and says the program still runs.
  void hideToTray();
  // Shown, restored and in front again, from the tray or the taskbar; returns the window.
  HWND ComeBackToFront();

  // The movie's command event.
  void Flash_FSCommand(const std::string& command, const std::string& args);

  // True when start-up went straight to the tray: the window is not to be shown.
  bool StartedInTray() const { return startedInTray_; }

  // Start-up reports each step here (tests follow the sequence).
  std::function<void(const std::string& step)> StartupTrace;

  // The hosted windows and controls, by the names the program gives them.
  ToolWindows ToolWindowSlots{*this};
  MovieControl Flash;
  SkinControl Skin;
  SplashControl Splash;
  Tray Tray1;
  Frame framChildWindow{*this, "framChildWindow", {3465, 1785, 5400, 3660}};

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Trace(const std::string& step);
  void FitMovieToWindow();
  void MovieToFront();
  void FrameToFront();
  // Each tool window in the order, hidden, shown or unloaded.
  void HideAll(const ToolWindowOrder& order);
  void ShowAll(const ToolWindowOrder& order);
  void UnloadAll(const ToolWindowOrder& order);
  // The tool windows unloaded in the order, the engines stopped, the tray icon
  // removed, and the process ended.
  void EndProgram(const ToolWindowOrder& order);
  void ShowBackupManager();
  bool StartsInTray();
  void OpenHelpFile();
  void dragWindow();
  void PlainMessage(const char* text);
  // Asks about each tool window with unsaved changes, saving those the person wants
  // saved; false when closing is to stop (Cancel, or a save that failed).
  bool ChangesSavedOrDropped();
  static UINT TaskbarCreatedMessage();
  void AcceptTaskbarCreated();

  void mnuMainWindow_Click();
  void mnuHelp_Click();
  void mnuExit_Click();
  void Tray1_LeftClick();
  void Tray1_RightClick();
  void Tray1_MouseClick(int& button);
  void cmdQuorvane_Click(int index);
  void cmdSystemSettings_Click(int index);
  void cmdRamBooster_Click(int index);
  void cmdNetPinger_Click(int index);

  bool startedInTray_ = false;
  ProgramEngines* engines_ = nullptr;

  // The older buttons, in their designed places (twips), covered by the movie.
  ControlArray<CommandButton> cmdQuorvane{"cmdQuorvane"};
  ControlArray<CommandButton> cmdSystemSettings{"cmdSystemSettings"};
  ControlArray<CommandButton> cmdRamBooster{"cmdRamBooster"};
  ControlArray<CommandButton> cmdNetPinger{"cmdNetPinger"};
  CommandButton cmdMainSettings{*this, "cmdMainSettings", {6480, 6240, 1200, 375}, "Main Settings"};
  CommandButton cmdHomePage{*this, "cmdHomePage", {7800, 6240, 1200, 375}, "Home Page"};
  CommandButton cmdAbout{*this, "cmdAbout", {9120, 6240, 1200, 375}, "About"};
  CommandButton cmdHelp{*this, "cmdHelp", {9120, 6720, 1200, 375}, "Help"};
  Menu mnuPopup{*this, "mnuPopup", "Popup Menu"};
  MenuItem mnuMainWindow{mnuPopup, "mnuMainWindow", "Main Window"};
  MenuItem mnuHelp{mnuPopup, "mnuHelp", "&Help"};
  MenuItem mnuSep1{mnuPopup, "mnuSep1", "-"};
  MenuItem mnuExit{mnuPopup, "mnuExit", "&Exit"};
};

// The program's one main window, for the tool windows' calls back into it.
frmMain& MainWindow();
void SetMainWindow(frmMain* window);

}  // namespace quorvane
