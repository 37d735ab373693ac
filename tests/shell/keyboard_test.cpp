// The program by keyboard alone: real key presses (SendInput) go through the
// program's own message loop to the main window with its real tool windows.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "common/Mnemonic.h"
#include "optimizer/TcpSettings.h"
#include "support/RegQuery.h"
#include "support/RunningProgram.h"
#include "system/mdlOSVersion.h"

using namespace quorvane;

namespace {

constexpr const char* kTcpipParameters = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";

// The whole program once, as it starts, and the keys a person presses.
struct Program : testing::RunningProgram {
  // One key, with modifiers held, from the keyboard as the system sees it.
  static void Press(WORD key, std::initializer_list<WORD> held = {}) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = vk;
      input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
      inputs.push_back(input);
    };
    for (WORD modifier : held) add(modifier, false);
    add(key, false);
    add(key, true);
    for (auto it = std::rbegin(held); it != std::rend(held); ++it) add(*it, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Settle();
  }
  static void Type(const std::string& text) {
    for (char c : text) {
      SHORT scan = VkKeyScanA(c);
      if (scan & 0x100) Press(LOBYTE(scan), {VK_SHIFT});
      else Press(LOBYTE(scan));
    }
  }

  // What has the keyboard: "face:" and the button's label (or tip), or a control's name.
  std::string Focus() const {
    HWND focus = GetFocus();
    if (focus == main.Flash.hWnd()) {
      auto buttons = main.Flash.ActiveButtons();
      const int index = main.Flash.FocusedButton();
      if (index < 0) return "face";
      std::string label = buttons[index]->label.empty() ? buttons[index]->tip : buttons[index]->label;
      label.erase(std::remove(label.begin(), label.end(), '&'), label.end());
      return "face:" + label;
    }
    if (Control* control = Control::FromHandle(focus)) return control->DisplayName();
    return focus == main.hWnd() ? "main window" : focus ? "another window" : "nothing";
  }
  // Tab until the keyboard is on that control; false when a whole round missed it.
  bool TabTo(const std::string& name) {
    for (int i = 0; i < 60 && Focus() != name; ++i) Press(VK_TAB);
    return Focus() == name;
  }
  // The names Tab (or Shift+Tab) visits from here until it comes back.
  std::vector<std::string> Round(bool backwards) {
    const std::string start = Focus();
    std::vector<std::string> names;
    for (int i = 0; i < 80; ++i) {
      if (backwards) Press(VK_TAB, {VK_SHIFT});
      else Press(VK_TAB);
      names.push_back(Focus());
      if (names.back() == start) break;
    }
    return names;
  }
  Form& Window(ToolWindow slot) { return *main.ToolWindowSlots.Open(slot); }
  bool InFront(ToolWindow slot) {
    return Window(slot).Visible() && IsWindowVisible(Window(slot).hWnd()) &&
           GetWindow(main.hWnd(), GW_CHILD) == main.framChildWindow.hWnd();
  }
  bool Home() { return GetWindow(main.hWnd(), GW_CHILD) == main.Flash.hWnd() && main.Flash.CurrentPage() == "home"; }
};

// A value as reg.exe shows it ("0x40"), or "" when it is not there.
std::string RegValue(const std::string& key, const std::string& name) {
  const std::string output = testing::RegQuery("\"" + key + "\" /v " + name);
  const size_t at = output.find(name + "    REG_");
  if (at == std::string::npos) return "";
  const size_t end = output.find_first_of("\r\n", at);
  const std::string line = output.substr(at, end - at);
  return line.substr(line.find_last_of(' ') + 1);
}

Program& TheProgram() {
  static Program program;
  return program;
}

template <typename T>
bool Contains(const std::vector<T>& list, const T& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

TEST_CASE("Tab goes round the face's buttons and the shown tool window's controls, both ways") {
  Program& p = TheProgram();
  p.GoHome();
  REQUIRE(p.TabTo("face:Net Pinger"));
  p.Press(VK_RETURN);
  REQUIRE(p.InFront(ToolWindow::NetPingerSettings));
  CHECK(p.Focus() == "chkDoPinging");  // a window shown starts at its first control
  const std::vector<std::string> round = p.Round(false);
  CAPTURE(round.size());
  CHECK(Contains(round, std::string("chkDoPinging")));
  CHECK(Contains(round, std::string("face:Wizard Mode")));
  CHECK(Contains(round, std::string("face:Restart Windows")));
  CHECK_FALSE(Contains(round, std::string("cmdSave")));   // disabled until something changes
  CHECK_FALSE(Contains(round, std::string("cmdOptimize")));  // the wizard is hidden
  CHECK_FALSE(Contains(round, std::string("cmdQuorvane(1)")));  // the older buttons lie under the movie
  CHECK_FALSE(Contains(round, std::string("face:Start the Wizard")));  // covered by the tool window
  CHECK_FALSE(Contains(round, std::string("face")));  // never on the movie without a button
  CHECK_FALSE(Contains(round, std::string("main window")));
  std::vector<std::string> back = p.Round(true);
  std::reverse(back.begin(), back.end());
  std::rotate(back.begin(), back.begin() + 1, back.end());
  CHECK(back == round);

  // At home the tool window lies out of sight, and out of the round.
  p.Press(VK_ESCAPE);
  REQUIRE(p.Home());
  for (const std::string& name : p.Round(false)) CHECK(name.rfind("face:", 0) == 0);
}

TEST_CASE("Tab reads like the page: the left column, the page's own controls, then the columns to the right") {
  Program& p = TheProgram();
  struct Page {
    const char* opens;  // the face button that shows the page's own controls, or none for home
    std::string firstOwn;
    bool ownOnFace;
  };
  const Page pages[] = {{nullptr, "face:Start the Wizard", true}, {"face:Net Pinger", "chkDoPinging", false}};
  for (const Page& page : pages) {
    CAPTURE(page.firstOwn);
    p.GoHome();
    if (page.opens) {
      REQUIRE(p.TabTo(page.opens));
      p.Press(VK_RETURN);
    }
    REQUIRE(p.TabTo("face:Wizard Mode"));
    const std::vector<std::string> round = p.Round(false);
    auto at = [&round](const std::string& name) {
      return static_cast<size_t>(std::find(round.begin(), round.end(), name) - round.begin());
    };
    const size_t about = at("face:About"), internet = at("face:Internet Properties");
    CHECK(at("face:Advanced Mode") < at("face:Help"));
    REQUIRE(about + 1 < internet);
    CHECK(round[about + 1] == page.firstOwn);
    for (size_t i = about + 1; i < internet; ++i) CHECK((round[i].rfind("face:", 0) == 0) == page.ownOnFace);
    CHECK(internet < at("face:Home"));
    CHECK(at("face:Home") < at("face:Restart Windows"));
    CHECK(round.back() == "face:Wizard Mode");
  }
  p.GoHome();
}

TEST_CASE("the keyboard comes back to its control when the main window is active again") {
  Program& p = TheProgram();
  p.GoHome();
  REQUIRE(p.TabTo("face:Settings"));
  p.Press(VK_RETURN);
  p.Press(VK_TAB);
  REQUIRE(p.Focus() == "chkRunProgramMini");
  Form other("frmOther", "Another window", {3000, 2000});
  other.Show();
  SetForegroundWindow(other.hWnd());
  p.Settle();
  REQUIRE(GetActiveWindow() == other.hWnd());
  SetForegroundWindow(p.main.hWnd());
  p.Settle();
  CHECK(p.Focus() == "chkRunProgramMini");
  other.Unload();
}

TEST_CASE("the face's icon-only buttons have tool-tips that name them") {
  Program& p = TheProgram();
  p.GoHome();
  HWND tips = p.main.Flash.ToolTipWindow();
  REQUIRE(tips);
  int iconOnly = 0;
  auto buttons = p.main.Flash.ActiveButtons();
  for (size_t i = 0; i < buttons.size(); ++i) {
    if (!buttons[i]->label.empty() || buttons[i]->drag) continue;
    ++iconOnly;
    char text[80] = {};
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = p.main.Flash.hWnd();
    tool.uId = i;
    tool.lpszText = text;
    CAPTURE(buttons[i]->command);
    REQUIRE(SendMessageA(tips, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool)));
    SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    CHECK(std::string(text) == buttons[i]->tip);
    CHECK(std::string(text).size() > 3);
    CHECK(tool.rect.left == buttons[i]->rect.x);
    CHECK(tool.rect.bottom == buttons[i]->rect.Bottom());
  }
  CHECK(iconOnly == 5);  // minimise, to the tray, close, Home, Restart
}

TEST_CASE("Alt with a face button's \"&\" letter presses it, also while a tool window shows") {
  Program& p = TheProgram();
  // The movie's commands, recorded on their way to the main window.
  struct Recorder {
    MovieControl& movie;
    MovieControl::CommandEvent dispatch = movie.FSCommand;
    std::vector<std::string> pressed;
    explicit Recorder(MovieControl& m) : movie(m) {
      movie.FSCommand = [this](const std::string& command, const std::string& parameter) {
        pressed.push_back(command);
        dispatch(command, parameter);
      };
    }
    ~Recorder() { movie.FSCommand = dispatch; }
  } recorder(p.main.Flash);
  std::vector<std::string>& pressed = recorder.pressed;
  p.GoHome();
  std::string letters;
  for (const MovieButton* shown : p.main.Flash.ActiveButtons()) {
    const MovieButton button = *shown;
    const char letter = MnemonicOf(button.label);
    if (!letter) continue;
    CAPTURE(button.label);
    CHECK(letters.find(letter) == std::string::npos);  // each letter once
    letters += letter;
    p.GoHome();
    p.Press(static_cast<WORD>(toupper(letter)), {VK_MENU});
    CHECK((!pressed.empty() && pressed.back() == button.command));
  }
  CHECK(letters.size() >= 9);
  p.GoHome();
  p.Press('T', {VK_MENU});
  REQUIRE(p.InFront(ToolWindow::MainSettings));
  p.Press('W', {VK_MENU});
  CHECK(p.InFront(ToolWindow::WizardMode));
}

TEST_CASE("keyboard only: the wizard, the advanced wizard, a restore, the pinger's and the start-up options' Save") {
  Program& p = TheProgram();
  const std::string tcpip = std::string("HKLM\\") + kTcpipParameters;
  p.GoHome();

  // The wizard: Enter on the face, the arrows through the modes, Alt+N for "Optimize &Now".
  REQUIRE(p.TabTo("face:Wizard Mode"));
  p.Press(VK_RETURN);
  CHECK(p.InFront(ToolWindow::WizardMode));
  CHECK(p.Focus() == "optMode(0)");
  for (int i = 0; i < 3; ++i) p.Press(VK_DOWN);
  CHECK(p.Focus() == "optMode(3)");
  p.Press('N', {VK_MENU});
  CHECK(p.Home());
  CHECK(RegValue(tcpip, "GlobalMaxTcpWindowSize") == "0x1538");  // Automatic-D's 5432

  // The advanced wizard: Next by Enter, a TTL typed on its page, Finish.
  REQUIRE(p.TabTo("face:Advanced Mode"));
  p.Press(VK_RETURN);
  REQUIRE(p.InFront(ToolWindow::AdvancedMode));
  REQUIRE(p.TabTo("cmdNextPage"));
  for (int page = 1; page <= 4; ++page) p.Press(VK_RETURN);
  REQUIRE(p.TabTo("txtTTLValue"));
  p.Type("77");
  REQUIRE(p.TabTo("cmdNextPage"));
  for (int page = 5; page <= 8; ++page) p.Press(VK_RETURN);
  CHECK(p.Home());
  CHECK(RegValue(tcpip, "DefaultTTL") == "0x4d");

  // The backup manager: a row chosen by arrow, Restore by Enter, the question answered Yes.
  REQUIRE(p.TabTo("face:Backup Manager"));
  p.Press(VK_RETURN);
  REQUIRE(p.InFront(ToolWindow::BackUp));
  CHECK(p.Focus() == "lstBackUpList");
  p.Press(VK_END);  // the newest backup: the one the advanced wizard made
  REQUIRE(p.TabTo("cmdRestore"));
  p.effects.answers.push_back(IDYES);
  p.Press(VK_RETURN);
  REQUIRE_FALSE(p.effects.messageBoxes.empty());
  CHECK(p.effects.messageBoxes.back().text.find("002.BCK") != std::string::npos);
  CHECK(RegValue(tcpip, "DefaultTTL") == "0x40");  // as Automatic-D left it
  p.Press(VK_ESCAPE);
  CHECK(p.Home());

  // The pinger: Space on its check box, Save by Enter.
  const std::string pinger = std::string("HKLM\\") + kNetPingerSection;
  REQUIRE(p.TabTo("face:Net Pinger"));
  p.Press(VK_RETURN);
  CHECK(p.Focus() == "chkDoPinging");
  p.Press(VK_SPACE);
  REQUIRE(p.TabTo("cmdSave"));
  p.Press(VK_RETURN);
  CHECK(RegValue(pinger, "chkDoPinging") == "1");
  REQUIRE(p.TabTo("chkDoPinging"));
  p.Press(VK_SPACE);
  REQUIRE(p.TabTo("cmdSave"));
  p.Press(VK_RETURN);
  CHECK(RegValue(pinger, "chkDoPinging") == "0");
  p.Press(VK_ESCAPE);
  CHECK(p.Home());

  // The start-up options: Space, then Alt+S for "&Save". On Windows XP the option is
  // the Run value, which the registry shows at once.
  SetRunningRelease({2, 5, 1, 2600});
  const std::string run = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  REQUIRE(p.TabTo("face:Settings"));
  p.Press(VK_RETURN);
  CHECK(p.Focus() == "chkRunMainProgram");
  p.Press(VK_SPACE);
  p.Press('S', {VK_MENU});
  CHECK(RegValue(run, "Quorvane") != "");
  CHECK(p.Focus() == "chkRunProgramMini");  // Save, done, is disabled: the keyboard steps back
  p.Press(VK_TAB, {VK_SHIFT});
  p.Press(VK_SPACE);
  p.Press('S', {VK_MENU});
  CHECK(RegValue(run, "Quorvane") == "");
  SetRunningRelease({});
}
