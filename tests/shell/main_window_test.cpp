#include <doctest.h>

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/SystemError.h"
#include "dialogs/MsgBoxFlags.h"
#include "dialogs/msgFrm.h"
#include "optimizer/TcpSettings.h"
#include "registry/AppSettings.h"
#include "shell/frmMain.h"
#include "startup/StartupOptions.h"
#include "dialogs/balloon_test_support.h"
#include "support/MovieClicks.h"
#include "memory/frmSystemStatus.h"
#include "support/RecordingEffects.h"
#include "support/RunningProgram.h"
#include "system/ProgramFolder.h"
#include "system/mdlOSVersion.h"
#include "ui/Label.h"
#include "ui/Timer.h"

using namespace quorvane;

namespace {

using Log = std::vector<std::string>;

// A tool window that writes its loads, unloads and saves into a shared log.
class RecordingToolWindow : public ToolForm, public BackupListWindow {
 public:
  RecordingToolWindow(const char* name, Log& log) : ToolForm(name, name, {5400, 3660}), log_(log) {}
  void intializeList() override { log_.push_back(Name() + " list"); }
  bool unsaved = false;
  bool saveWorks = true;
  bool HasUnsavedChanges() const override { return unsaved; }
  bool SaveChanges() override {
    log_.push_back(Name() + (saveWorks ? " saved" : " not saved"));
    unsaved = !saveWorks;
    return saveWorks;
  }

 private:
  void Form_Load() override { log_.push_back(Name() + " loaded"); }
  void Form_Unload() override { log_.push_back(Name() + " unloaded"); }
  Log& log_;
  Label lblCaption{*this, "lblCaption", {240, 240, 3000, 300}, Name()};
};

// Child windows of the main window, topmost first.
std::vector<HWND> ChildrenInZOrder(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

struct MainWindowHarness {
  testing::RecordingEffects effects;
  Log log;
  std::vector<std::unique_ptr<RecordingToolWindow>> windows;
  frmMain main;

  explicit MainWindowHarness(bool install = true) {
    SaveAppSetting(kMainSettingsSection, "chkRunProgramMini", "0");
    if (install)
      for (ToolWindow slot : kLoadOrder) {
        windows.push_back(std::make_unique<RecordingToolWindow>(ToolWindowName(slot), log));
        main.ToolWindowSlots.Install(slot, *windows.back());
      }
    main.StartupTrace = [this](const std::string& step) { log.push_back("step " + step); };
  }
  ~MainWindowHarness() {
    if (main.IsLoaded()) main.Unload();
  }

  Form& Window(ToolWindow slot) { return *main.ToolWindowSlots.Open(slot); }
  // Every window made, as after a person opened each once.
  void OpenAll() {
    for (ToolWindow slot : kLoadOrder) main.ToolWindowSlots.Open(slot);
  }
  bool MovieInFront() { return ChildrenInZOrder(main.hWnd()).front() == main.Flash.hWnd(); }
  bool FrameInFront() { return ChildrenInZOrder(main.hWnd()).front() == main.framChildWindow.hWnd(); }
  // The names of the visible tool windows, in load order.
  std::string VisibleWindows() {
    std::string names;
    for (ToolWindow slot : kLoadOrder)
      if (main.ToolWindowSlots.Loaded(slot) && Window(slot).Visible()) names += std::string(names.empty() ? "" : " ") + ToolWindowName(slot);
    return names;
  }
  void Command(const std::string& command) { main.Flash_FSCommand(command, ""); }
  Log Steps() const {
    Log steps;
    for (const std::string& entry : log)
      if (entry.rfind("step ", 0) == 0 || entry.find(" loaded") != std::string::npos) steps.push_back(entry);
    return steps;
  }
};

// WM_PAINT messages by window, sent (UpdateWindow) or taken from the queue.
std::map<HWND, int> g_paints;
LRESULT CALLBACK CountSentPaint(int code, WPARAM wParam, LPARAM lParam) {
  auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->message == WM_PAINT) ++g_paints[sent->hwnd];
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
LRESULT CALLBACK CountQueuedPaint(int code, WPARAM wParam, LPARAM lParam) {
  auto* taken = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && taken->message == WM_PAINT) ++g_paints[taken->hwnd];
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST_CASE("the face is drawn before the main window shows; shown, each window paints once and is on the screen") {
  MainWindowHarness h;
  h.main.Load();
  CHECK(h.main.Flash.FaceDrawn());  // while the window is still hidden
  // In the screen corner away from the mouse pointer: a button under it paints
  // again when hovered, as it should.
  POINT pointer;
  GetCursorPos(&pointer);
  const PixelRect bounds = h.main.OuterPixelBounds();
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  h.main.MovePixels({pointer.x < screenWidth / 2 ? screenWidth - bounds.width : 0,
                     pointer.y < screenHeight / 2 ? screenHeight - bounds.height : 0, bounds.width, bounds.height});
  g_paints.clear();
  HHOOK sent = SetWindowsHookExA(WH_CALLWNDPROC, CountSentPaint, nullptr, GetCurrentThreadId());
  HHOOK queued = SetWindowsHookExA(WH_GETMESSAGE, CountQueuedPaint, nullptr, GetCurrentThreadId());
  h.main.Show();

  // On the screen once Show returns, before any message is handled.
  HWND movie = h.main.Flash.hWnd();
  RECT onScreen;
  GetWindowRect(movie, &onScreen);
  HDC screen = GetDC(nullptr);
  HDC drawn = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, onScreen.right - onScreen.left, onScreen.bottom - onScreen.top);
  HGDIOBJ old = SelectObject(drawn, bitmap);
  SendMessageA(movie, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(drawn), PRF_CLIENT);
  int differing = 0;
  for (int y = 60; y < 460; y += 50)
    for (int x = 20; x < 680; x += 60)
      if (GetPixel(screen, onScreen.left + x, onScreen.top + y) != GetPixel(drawn, x, y)) ++differing;
  CHECK(differing == 0);
  SelectObject(drawn, old);
  DeleteObject(bitmap);
  DeleteDC(drawn);
  ReleaseDC(nullptr, screen);

  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  UnhookWindowsHookEx(sent);
  UnhookWindowsHookEx(queued);
  CHECK(g_paints[h.main.hWnd()] == 1);
  CHECK(g_paints[movie] == 1);
}

TEST_CASE("start-up runs its eleven steps in order and makes no tool window; one made later is a child of the frame") {
  MainWindowHarness h;
  h.main.Load();
  const std::string os = "step os " + std::to_string(OSVersionId);
  CHECK(h.Steps() == Log{"step splash", "step size", "step stacking", "step movie", "step skin", os,
                         "step presets", "step tray", "step engines", "step splash closed"});
  CHECK_FALSE(h.main.StartedInTray());
  CHECK_FALSE(h.main.Splash.Showing());
  CHECK(h.main.Tray1.IsVisible());
  CHECK(h.MovieInFront());
  CHECK(h.main.Flash.CurrentPage() == "home");
  CHECK(ModePresets[3].RWIN == 5432);
  TcpSettings working = ModePresets[0];
  working.NDICacheSize = 0;
  CHECK(CurrentSettings == working);  // what the two wizards start from, with neither made
  for (ToolWindow slot : kLoadOrder) CHECK_FALSE(h.main.ToolWindowSlots.Loaded(slot));
  // Hosted from the start: it never shows on the desktop, hidden until shown.
  CHECK(GetParent(h.Window(ToolWindow::BackUp).hWnd()) == h.main.framChildWindow.hWnd());
  CHECK_FALSE(h.Window(ToolWindow::BackUp).Visible());
  CHECK(h.log.back() == "frmBackUp loaded");
  RECT window;
  GetWindowRect(h.main.hWnd(), &window);
  CHECK(window.right - window.left == 714);
  CHECK(window.bottom - window.top == 499);
  RECT movie;
  GetWindowRect(h.main.Flash.hWnd(), &movie);
  CHECK(movie.left - window.left == -1);
  CHECK(movie.top - window.top == -38);
  CHECK(movie.right == window.right);  // the face reaches the window's edges
  CHECK(movie.bottom == window.bottom);
}

TEST_CASE("with \"Run Program In system tray\" set, start-up ends hidden in the tray") {
  // The saved option, read at start-up by the engine that keeps it.
  struct OptionsOnly : ProgramEngines {
    void Start(ToolWindowHost&) override { options.Start(); }
    void Stop() override {}
    bool StartsInTray() const override { return options.RunsInTray(); }
    StartupOptions options;
  } engines;
  MainWindowHarness h;
  h.main.UseEngines(engines);
  SaveAppSetting(kMainSettingsSection, "chkRunProgramMini", "1");
  h.main.Load();
  CHECK(h.main.StartedInTray());
  CHECK(std::find(h.log.begin(), h.log.end(), "step to tray") != h.log.end());
  CHECK_FALSE(IsWindowVisible(h.main.hWnd()));
  // Hidden the way the tray button hides it: the balloon says the program still runs.
  CHECK(h.main.Tray1.IconData().uFlags == 0x17);
  CHECK(std::string(h.main.Tray1.IconData().szInfo) == "The program is still running here.");
  CHECK(h.log.back() == "step splash closed");
  SaveAppSetting(kMainSettingsSection, "chkRunProgramMini", "0");
}

TEST_CASE("commands show one tool window at a time and stack the movie and the frame") {
  MainWindowHarness h;
  h.main.Load();
  h.main.Show();

  h.Command("IDC_FS_wizardmode");
  CHECK(h.VisibleWindows() == "frmWizardMode");
  CHECK(h.FrameInFront());
  h.Command("IDC_FS_home");  // the movie covers the wizard, which stays as it is
  CHECK(h.MovieInFront());
  CHECK(h.VisibleWindows() == "frmWizardMode");
  h.Command("IDC_FS_wizardmode");
  CHECK(h.FrameInFront());

  h.Command("IDC_FS_advancedmode");
  CHECK(h.VisibleWindows() == "frmAdvancedMode");
  h.Command("IDC_FS_pingsettings");
  CHECK(h.VisibleWindows() == "frmNetPingerSettings");
  h.Command("IDC_FS_systemstatus");
  CHECK(h.VisibleWindows() == "frmSystemStatus");
  h.Command("IDC_FS_ramconfiguration");
  CHECK(h.VisibleWindows() == "frmRamConfiguration");
  h.Command("IDC_FS_settings");
  CHECK(h.VisibleWindows() == "frmMainSettings");
  h.log.clear();
  h.Command("IDC_FS_backupmanager");
  CHECK(h.VisibleWindows() == "frmBackUp");
  CHECK(h.log == (Log{"frmBackUp loaded", "frmBackUp list"}));  // made, then its list refreshed before it shows

  h.Command("IDC_FS_hide");
  CHECK(h.MovieInFront());
  CHECK(h.VisibleWindows() == "frmBackUp");
  h.Command("IDC_FS_main");
  CHECK(h.VisibleWindows().empty());
  CHECK(h.MovieInFront());

  h.Command("IDC_FS_closeAbout");  // all seven, the movie still in front
  CHECK(h.VisibleWindows() ==
        "frmWizardMode frmAdvancedMode frmBackUp frmNetPingerSettings frmSystemStatus frmRamConfiguration "
        "frmMainSettings");
  CHECK(h.MovieInFront());
  h.Command("IDC_FS_about");
  CHECK(h.VisibleWindows().empty());
  CHECK(h.MovieInFront());

  h.Command("IDC_FS_WizardMode");  // letter case matters: nothing happens
  h.Command("IDC_FS_unknown");
  h.Command("");
  CHECK(h.VisibleWindows().empty());
  CHECK(h.MovieInFront());

  h.Command("IDC_FS_wizardmode");
  REQUIRE(testing::ClickMovieButtonTurningTo(h.main.Flash, "about"));
  h.main.returnHome();  // as a tool window calls it when its work is done
  CHECK(h.MovieInFront());
  CHECK(h.main.Flash.CurrentPage() == "home");

  h.Command("IDC_FS_minimize");
  CHECK(IsIconic(h.main.hWnd()));
}

TEST_CASE("applets, help and the older buttons go through the effects") {
  MainWindowHarness h;
  h.main.Load();
  h.Command("IDC_FS_internetproperties");
  h.Command("IDC_FS_systemproperties");
  h.Command("IDC_FS_modemsettings");
  SetOperatingSystem(kOsIdWin98);
  h.Command("IDC_FS_networksettings");
  SetOperatingSystem(kOsIdWin2000);
  h.Command("IDC_FS_networksettings");
  SetOperatingSystem(kOsIdNt52OrLater);
  h.Command("IDC_FS_networksettings");
  SetOperatingSystem(kOsIdNotDetected);
  h.Command("IDC_FS_networksettings");  // no family: nothing
  // Every program by its full path, as the application and quoted in the command line.
  char folder[MAX_PATH];
  const std::string system(folder, GetSystemDirectoryA(folder, MAX_PATH));
  const std::string windows(folder, GetWindowsDirectoryA(folder, MAX_PATH));
  auto applet = [](const std::string& rundll32, const char* arguments) {
    return testing::RecordingEffects::StartedProgram{rundll32, "\"" + rundll32 + "\" " + arguments, SW_SHOW};
  };
  const std::string rundll32 = system + "\\rundll32.exe", rundll32On9x = windows + "\\rundll32.exe";
  const std::vector<testing::RecordingEffects::StartedProgram> applets = {
      applet(rundll32, "shell32.dll,Control_RunDLL inetcpl.cpl,,0"),
      applet(rundll32, "shell32.dll,Control_RunDLL sysdm.cpl,,0"),
      applet(rundll32, "shell32.dll,Control_RunDLL modem.cpl"),
      applet(rundll32On9x, "shell32.dll,Control_RunDLL netcpl.cpl"),
      applet(rundll32, "shell32.dll,Control_RunDLL ncpa.cpl"),
      applet(rundll32, "shell32.dll,Control_RunDLL ncpa.cpl"),
  };
  CHECK(h.effects.startedPrograms == applets);

  h.Command("IDC_FS_help");
  const std::string viewer = windows + "\\hh.exe";
  REQUIRE(h.effects.startedPrograms.size() == 7);
  CHECK(h.effects.startedPrograms[6] == testing::RecordingEffects::StartedProgram{
                                            viewer, "\"" + viewer + "\" \"" + ProgramFolder() + "\\QuorvaneHelp.chm\"",
                                            SW_SHOWNORMAL});
  CHECK(h.effects.shellOpens.empty());
  CHECK(h.effects.messageBoxes.empty());

  auto click = [&h](const char* name, int index) {
    Control* button = h.main.FindControl(name, index);
    REQUIRE(button);
    SendMessageA(button->hWnd(), BM_CLICK, 0, 0);
  };
  click("cmdQuorvane", 0);
  click("cmdSystemSettings", 0);
  click("cmdRamBooster", 0);
  click("cmdNetPinger", 0);
  REQUIRE(h.effects.messageBoxes.size() == 4);
  CHECK(h.effects.messageBoxes[0].text == "Nothandeled");
  CHECK(h.effects.messageBoxes[1].text == "Not handeled");
  CHECK(h.effects.messageBoxes[2].text == "Not handeled yet");
  CHECK(h.effects.messageBoxes[3].text == "Nothandeled");
  click("cmdQuorvane", 3);
  CHECK(h.VisibleWindows() == "frmBackUp");
  click("cmdRamBooster", 2);
  CHECK(h.VisibleWindows() == "frmRamConfiguration");
  click("cmdNetPinger", 1);
  CHECK(h.VisibleWindows() == "frmNetPingerSettings");
  click("cmdMainSettings", kNoIndex);
  CHECK(h.VisibleWindows() == "frmMainSettings");
  click("cmdSystemSettings", 4);
  CHECK(h.effects.startedPrograms.size() == 7);  // no family detected: nothing more
}

TEST_CASE("every closing path unloads the tool windows in its order and removes the tray icon") {
  const Log loadOrderUnloads = {"frmWizardMode unloaded",      "frmAdvancedMode unloaded",
                                "frmBackUp unloaded",          "frmNetPingerSettings unloaded",
                                "frmSystemStatus unloaded",    "frmRamConfiguration unloaded",
                                "frmMainSettings unloaded"};
  const Log hideOrderUnloads = {"frmWizardMode unloaded",       "frmAdvancedMode unloaded",
                                "frmBackUp unloaded",           "frmNetPingerSettings unloaded",
                                "frmRamConfiguration unloaded", "frmMainSettings unloaded",
                                "frmSystemStatus unloaded"};
  SUBCASE("IDC_FS_close ends the process at once") {
    MainWindowHarness h;
    h.main.Load();
    h.OpenAll();
    h.log.clear();
    h.Command("IDC_FS_close");
    CHECK(h.log == loadOrderUnloads);
    CHECK_FALSE(h.main.Tray1.IsVisible());
    CHECK(h.effects.endedProcesses == std::vector<UINT>{0});
    CHECK(h.main.IsLoaded());  // its own unload sequence did not run
  }
  SUBCASE("IDC_FS_restart asks first, No the default; only Yes asks Windows to restart") {
    MainWindowHarness h;
    h.main.Load();
    h.OpenAll();
    h.log.clear();
    for (int answer : {IDNO, IDCANCEL}) {
      h.effects.answers = {answer};
      h.Command("IDC_FS_restart");
    }
    CHECK(h.log.empty());
    CHECK(h.effects.restarts.empty());
    CHECK(h.main.Tray1.IsVisible());
    REQUIRE(h.effects.messageBoxes.size() == 2);
    CHECK(h.effects.messageBoxes[0].text == "Restart Windows now? Programs that are running will be closed.");
    CHECK(h.effects.messageBoxes[0].style == (MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2));
  }
  SUBCASE("after Yes to Restart nothing goes until the session ends; a refusal says why and all runs on") {
    struct Outcome {
      const char* name;
      bool windowsTakesIt;
      WPARAM sessionEnds;
    };
    const Outcome outcomes[] = {{"Windows refuses", false, FALSE},
                                {"the person cancels Windows' restart", true, FALSE},
                                {"the session ends", true, TRUE}};
    for (const Outcome& outcome : outcomes) {
      CAPTURE(outcome.name);
      MainWindowHarness h;
      h.main.Load();
      h.OpenAll();
      h.main.Show();
      h.log.clear();
      h.effects.restartSucceeds = outcome.windowsTakesIt;
      h.effects.answers = {IDYES};
      REQUIRE(testing::ClickMovieButton(h.main.Flash, "IDC_FS_restart"));
      CHECK(h.effects.restarts == std::vector<UINT>{EWX_REBOOT});
      CHECK(h.effects.restartReasons == std::vector<DWORD>{0xFFFFFFFF});
      CHECK(h.log.empty());
      CHECK(h.main.Tray1.IsVisible());
      if (!outcome.windowsTakesIt) {
        REQUIRE(h.effects.messageBoxes.size() == 2);
        CHECK(h.effects.messageBoxes[1].text == "Windows could not be restarted: " +
                                                    SystemErrorText(ERROR_PRIVILEGE_NOT_HELD) +
                                                    "\r\nQuorvane keeps running.");
        CHECK(h.effects.messageBoxes[1].caption == "Quorvane");
        continue;
      }
      CHECK(h.effects.messageBoxes.size() == 1);
      CHECK(SendMessageA(h.main.hWnd(), WM_QUERYENDSESSION, 0, 0) == TRUE);
      SendMessageA(h.main.hWnd(), WM_ENDSESSION, outcome.sessionEnds, 0);
      CHECK(h.log == (outcome.sessionEnds ? hideOrderUnloads : Log{}));
      CHECK(h.main.Tray1.IsVisible() == !outcome.sessionEnds);
      CHECK(h.effects.endedProcesses.size() == (outcome.sessionEnds ? 1u : 0u));
    }
  }
  SUBCASE("the Exit menu item, the window's close and Windows ending run the main window's unload") {
    const std::vector<std::pair<std::string, std::function<void(MainWindowHarness&)>>> closings = {
        {"the Exit menu item",
         [](MainWindowHarness& h) {
           PostMessageA(h.main.hWnd(), WM_CHAR, 'e', 0);  // read by the menu's own loop once it is open
           SendMessageA(h.main.Tray1.hWnd(), WM_MOUSEMOVE, 0, WM_RBUTTONDOWN);
         }},
        {"closing the window", [](MainWindowHarness& h) { SendMessageA(h.main.hWnd(), WM_CLOSE, 0, 0); }},
        {"Windows ending the session",
         [](MainWindowHarness& h) {
           CHECK(SendMessageA(h.main.hWnd(), WM_QUERYENDSESSION, 0, 0) == TRUE);
           CHECK(h.log.empty());  // asking is not ending
           SendMessageA(h.main.hWnd(), WM_ENDSESSION, FALSE, 0);  // another program said no
           CHECK(h.log.empty());
           SendMessageA(h.main.hWnd(), WM_ENDSESSION, TRUE, 0);
         }},
    };
    for (const auto& [name, close] : closings) {
      CAPTURE(name);
      MainWindowHarness h;
      h.main.Load();
      h.OpenAll();
      h.main.Show();
      h.log.clear();
      close(h);
      CHECK(h.log == hideOrderUnloads);
      CHECK_FALSE(h.main.Tray1.IsVisible());
      CHECK(h.effects.endedProcesses == std::vector<UINT>{0});
      CHECK_FALSE(h.main.IsLoaded());
    }
  }
}

TEST_CASE("closing with unsaved changes asks to save them: Yes saves, No drops, Cancel keeps the program") {
  const std::vector<std::pair<std::string, std::function<void(MainWindowHarness&)>>> closings = {
      {"the close button", [](MainWindowHarness& h) { REQUIRE(testing::ClickMovieButton(h.main.Flash, "IDC_FS_close")); }},
      {"the tray's Exit",
       [](MainWindowHarness& h) {
         PostMessageA(h.main.hWnd(), WM_CHAR, 'e', 0);
         SendMessageA(h.main.Tray1.hWnd(), WM_MOUSEMOVE, 0, WM_RBUTTONDOWN);
       }},
      {"Alt+F4",
       [](MainWindowHarness& h) {
         SetForegroundWindow(h.main.hWnd());
         SetFocus(h.main.Flash.hWnd());
         const std::pair<BYTE, DWORD> strokes[] = {
             {VK_MENU, 0}, {VK_F4, 0}, {VK_F4, KEYEVENTF_KEYUP}, {VK_MENU, KEYEVENTF_KEYUP}};
         for (const auto& [key, flags] : strokes) keybd_event(key, 0, flags, 0);
         for (int i = 0; i < 10; ++i, Sleep(5)) DoEvents(20);
       }},
  };
  struct Answer {
    int button;
    bool saveWorks;
    bool closes;
    const char* save;  // what the window logged, or nothing
  };
  const Answer answers[] = {{IDYES, true, true, "frmNetPingerSettings saved"},
                            {IDNO, true, true, nullptr},
                            {IDCANCEL, true, false, nullptr},
                            {IDYES, false, false, "frmNetPingerSettings not saved"}};
  for (const auto& [name, close] : closings)
    for (const Answer& answer : answers) {
      CAPTURE(name);
      CAPTURE(answer.button);
      MainWindowHarness h;
      h.main.Load();
      h.OpenAll();
      h.main.Show();
      h.windows[3]->unsaved = true;  // frmNetPingerSettings, in load order
      h.windows[3]->saveWorks = answer.saveWorks;
      h.effects.answers = {answer.button};
      h.log.clear();
      close(h);
      REQUIRE(h.effects.messageBoxes.size() == 1);  // only the window with changes is asked about
      CHECK(h.effects.messageBoxes[0].text == "Save the changes to frmNetPingerSettings?");
      CHECK(h.effects.messageBoxes[0].style == (MB_YESNOCANCEL | MB_ICONQUESTION));
      CHECK((std::find(h.log.begin(), h.log.end(), answer.save ? answer.save : "") != h.log.end()) == !!answer.save);
      CHECK(h.effects.endedProcesses.size() == (answer.closes ? 1u : 0u));
    }
  // Windows ending the session does not wait for an answer.
  MainWindowHarness h;
  h.main.Load();
  h.OpenAll();
  h.windows[3]->unsaved = true;
  CHECK(SendMessageA(h.main.hWnd(), WM_QUERYENDSESSION, 0, 0) == TRUE);
  SendMessageA(h.main.hWnd(), WM_ENDSESSION, TRUE, 0);
  CHECK(h.effects.messageBoxes.empty());
  CHECK(h.effects.endedProcesses.size() == 1);
}

TEST_CASE("after a memory tick the tool-tip says it, the balloon keeps its title, and Explorer's return adds the icon") {
  MainWindowHarness h;
  h.main.Load();
  h.main.Show();
  SetOperatingSystem(kOsIdWinXp);
  h.main.SetTrayToolTip("Free Memory (128MB).");  // what the status window's memory tick sends
  REQUIRE(testing::ClickMovieButton(h.main.Flash, "IDC_FS_tray"));
  const IconDataRecord& record = h.main.Tray1.IconData();
  CHECK(std::string(record.szTip) == " Free Memory (128MB). ");
  CHECK(std::string(record.szInfoTitle) == "Program notification");
  CHECK(std::string(record.szInfo) == "The program is still running here.");

  // Explorer restarting forgets every icon, then says so to every top-level window.
  NOTIFYICONDATAA forgotten{};
  forgotten.cbSize = NOTIFYICONDATAA_V2_SIZE;
  forgotten.hWnd = h.main.Tray1.hWnd();
  forgotten.uID = kTrayIconId;
  Shell_NotifyIconA(NIM_DELETE, &forgotten);
  SendMessageA(h.main.hWnd(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  CHECK(record.uFlags == kNifMessageIconTip);
  CHECK(std::string(record.szTip) == " Free Memory (128MB). ");
  CHECK(Shell_NotifyIconA(NIM_DELETE, &forgotten));  // it was there again
}

TEST_CASE("the tray icon's left click brings the hidden window back; NT hides to the balloon") {
  MainWindowHarness h;
  h.main.Load();
  h.main.Show();
  SetOperatingSystem(kOsIdWinXp);
  h.Command("IDC_FS_tray");
  CHECK_FALSE(IsWindowVisible(h.main.hWnd()));
  CHECK(h.main.Tray1.IconData().uFlags == 0x17);  // the balloon went to the tray icon
  CHECK(std::string(h.main.Tray1.IconData().szInfo) == "The program is still running here.");

  SendMessageA(h.main.Tray1.hWnd(), WM_MOUSEMOVE, 0, WM_LBUTTONDOWN);
  CHECK(IsWindowVisible(h.main.hWnd()));

  // A minimised window comes back restored, by the left click and by "Main Window".
  const std::vector<std::pair<std::string, std::function<void()>>> comebacks = {
      {"left click", [&h] { SendMessageA(h.main.Tray1.hWnd(), WM_MOUSEMOVE, 0, WM_LBUTTONDOWN); }},
      {"Main Window",
       [&h] {
         PostMessageA(h.main.hWnd(), WM_KEYDOWN, VK_DOWN, 0);  // the menu's first item, chosen by Enter
         PostMessageA(h.main.hWnd(), WM_KEYDOWN, VK_RETURN, 0);
         SendMessageA(h.main.Tray1.hWnd(), WM_MOUSEMOVE, 0, WM_RBUTTONDOWN);
       }},
  };
  for (const auto& [name, comeBack] : comebacks) {
    CAPTURE(name);
    h.Command("IDC_FS_minimize");
    REQUIRE(IsIconic(h.main.hWnd()));
    Sleep(Tray::kClickGuardMs * 2);  // a click right after the last one is the same press
    DoEvents();
    comeBack();
    CHECK_FALSE(IsIconic(h.main.hWnd()));
    CHECK(IsWindowVisible(h.main.hWnd()));
    CHECK(GetForegroundWindow() == h.main.hWnd());
  }
}

TEST_CASE("a slot left empty makes its commands do nothing, and the program still closes") {
  testing::RecordingEffects effects;
  frmMain main;
  SaveAppSetting(kMainSettingsSection, "chkRunProgramMini", "0");
  main.Load();
  for (const char* command : {"IDC_FS_backupmanager", "IDC_FS_wizardmode", "IDC_FS_closeAbout", "IDC_FS_about"})
    main.Flash_FSCommand(command, "");
  CHECK_FALSE(main.ToolWindowSlots.Loaded(ToolWindow::BackUp));
  main.Unload();
  CHECK(effects.endedProcesses == std::vector<UINT>{0});
}

TEST_CASE("the title area drags the window without blocking when no button is held") {
  MainWindowHarness h;
  h.main.Load();
  h.main.Show();
  // Windows' move loop runs until the button is released or Escape is pressed.
  PostMessageA(h.main.hWnd(), WM_KEYDOWN, VK_ESCAPE, 0);
  h.Command("IDC_FS_drag");
  CHECK(IsWindowVisible(h.main.hWnd()));
}

TEST_CASE("on the 9x family hiding to the tray shows the balloon window near the bottom right") {
  MainWindowHarness h;
  h.main.Load();
  h.main.Show();
  SetOperatingSystem(kOsIdWin98);
  h.Command("IDC_FS_tray");
  CHECK_FALSE(IsWindowVisible(h.main.hWnd()));
  msgFrm& notice = MessageBalloon();
  REQUIRE(notice.Visible());
  CHECK((GetWindowLongA(notice.hWnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
  RECT r;
  GetWindowRect(notice.hWnd(), &r);
  // Anchored at the screen's bottom edge, 40 pixels in from its right edge, no pointer.
  CHECK(r.bottom == GetSystemMetrics(SM_CYSCREEN));
  CHECK(r.right == GetSystemMetrics(SM_CXSCREEN) - 40 + 42);
  CHECK(notice.CurrentPointerStyle() == kNoPointer);
  CHECK(testing::TextOf("aMsg") == "The program is still running here.");
  CHECK(testing::TextOf("aTitle") == "Program notification");
  CHECK(static_cast<Timer&>(testing::BalloonControl("Timer1")).Interval() == 5000);
  const HWND page = testing::BalloonControl("F1", 2).hWnd();
  const PixelRect pagePlace = testing::BalloonControl("F1", 2).PixelBounds();
  CHECK(testing::PixelOf(page, 2, pagePlace.height - 2) == RGB(242, 248, 200));
  // The information icon, as an information notice draws it.
  const std::vector<COLORREF> icon = testing::PixelsOf(testing::BalloonControl("aPic").hWnd());
  testing::CloseBalloon();
  notice.MsgAuto_box("", MsgBoxFlags::kInformation, "", 0, true, RGB(242, 248, 200), 300, 300, 0);
  CHECK(testing::PixelsOf(testing::BalloonControl("aPic").hWnd()) == icon);
  CHECK(h.main.Tray1.IconData().uFlags == 7);  // no tray balloon on this family
  notice.Unload();
}

TEST_CASE("the program's engines run from start-up with no tool window made; a window made later shows what they kept") {
  testing::RunningProgram p;
  for (ToolWindow slot : kLoadOrder) CHECK_FALSE(p.main.ToolWindowSlots.Loaded(slot));
  // The monitor's memory samples reach the tray, and the charts' samples are kept meanwhile.
  const DWORD start = GetTickCount();
  while (std::string(p.main.Tray1.IconData().szTip).find("Free Memory (") == std::string::npos &&
         GetTickCount() - start < 3000)
    p.Settle();
  CHECK(std::string(p.main.Tray1.IconData().szTip).find("Free Memory (") != std::string::npos);
  p.main.Flash_FSCommand("IDC_FS_systemstatus", "");
  auto* status = dynamic_cast<frmSystemStatus*>(p.main.ToolWindowSlots.Loaded(ToolWindow::SystemStatus));
  REQUIRE(status);
  CHECK_FALSE(status->histMemory.Samples().empty());
}
