// The start-up options window on a real window, against Wine's registry: the two
// settings, the Run entry kept in step, and a save that cannot write.
#include <doctest.h>

#include "registry/AppSettings.h"
#include "startup/LogonTask.h"
#include "startup/LogonTaskXml.h"
#include "startup/RunEntry.h"
#include "startup/StartupOptions.h"
#include "startup/frmMainSettings.h"
#include "support/RecordingEffects.h"
#include "support/RegistryFixture.h"
#include "system/ProgramFolder.h"
#include "system/mdlOSVersion.h"
#include "ui/ui_test_support.h"

using namespace quorvane;

namespace {

constexpr WindowsRelease kXp{2, 5, 1, 2600};
constexpr WindowsRelease kWindows10{2, 10, 0, 19045};

// Starts from no settings and no Run value, with a neighbour in the Run key that
// must outlive every change; puts everything back afterwards.
struct Fixture {
  testing::RecordingEffects effects;
  explicit Fixture(WindowsRelease release = kXp) {
    SetRunningRelease(release);
    SetEffects(&effects);
    Clean();
    testing::WriteText(HKEY_CURRENT_USER, kRunKey, "Neighbour", "C:\\Other\\other.exe");
  }
  ~Fixture() {
    Clean();
    testing::DeleteValue(HKEY_CURRENT_USER, kRunKey, "Neighbour");
    OverrideProgramFolder("");
    SetEffects(nullptr);
    SetRunningRelease({});
  }
  static void Clean() {
    testing::AllowAllAccess(HKEY_LOCAL_MACHINE, kMainSettingsSection);
    testing::AllowAllAccess(HKEY_CURRENT_USER, kRunKey);
    testing::DeleteKeyTree(HKEY_LOCAL_MACHINE, kMainSettingsSection);
    testing::DeleteValue(HKEY_CURRENT_USER, kRunKey, kRunValueName);
  }
  std::optional<std::string> RunEntry() const { return testing::ReadText(HKEY_CURRENT_USER, kRunKey, kRunValueName); }
  std::optional<std::string> Stored(const char* name) const {
    return testing::ReadText(HKEY_LOCAL_MACHINE, kMainSettingsSection, name);
  }
};

// A click on a button or check box, as the mouse sends it.
void Click(Control& control) { SendMessageA(control.hWnd(), BM_CLICK, 0, 0); }

}  // namespace

TEST_CASE("start-up options: first run, saving on, saving off, and off with no entry") {
  Fixture f;
  frmMainSettings window;
  window.Load();
  CHECK(window.chkRunMainProgram.Value() == kUnchecked);
  CHECK(window.chkRunProgramMini.Value() == kUnchecked);
  CHECK_FALSE(IsWindowEnabled(window.cmdSave.hWnd()));
  CHECK_FALSE(f.RunEntry());

  Click(window.chkRunMainProgram);
  REQUIRE(IsWindowEnabled(window.cmdSave.hWnd()));
  Click(window.cmdSave);
  CHECK(f.Stored("chkRunMainProgram") == "1");
  CHECK(f.Stored("chkRunProgramMini") == "0");
  CHECK(f.RunEntry() == ProgramPath());
  CHECK_FALSE(IsWindowEnabled(window.cmdSave.hWnd()));
  CHECK(window.lblSaveStatus.Caption() == "Settings saved.");

  Click(window.chkRunMainProgram);
  Click(window.cmdSave);
  CHECK(f.Stored("chkRunMainProgram") == "0");
  CHECK_FALSE(f.RunEntry());
  CHECK(testing::ReadText(HKEY_CURRENT_USER, kRunKey, "Neighbour") == "C:\\Other\\other.exe");

  // Off again with no entry left: nothing to report, nothing else touched.
  Click(window.chkRunProgramMini);
  Click(window.cmdSave);
  CHECK(f.effects.messageBoxes.empty());
  CHECK(f.Stored("chkRunProgramMini") == "1");
  CHECK(testing::ReadText(HKEY_CURRENT_USER, kRunKey, "Neighbour") == "C:\\Other\\other.exe");
}

TEST_CASE("with the option on, start-up rewrites the Run entry for where the program now is, quoted when it has a blank") {
  Fixture f;
  const std::string exe = ProgramPath().substr(ProgramPath().find_last_of('\\') + 1);
  struct Case {
    const char* folder;
    std::string entry;
  };
  const Case cases[] = {
      {"C:\\Tools", "C:\\Tools\\" + exe},
      {"C:\\Program Files\\Quorvane", "\"C:\\Program Files\\Quorvane\\" + exe + "\""},
  };
  SaveAppSetting(kMainSettingsSection, "chkRunMainProgram", "1");
  for (const Case& c : cases) {
    CAPTURE(c.folder);
    OverrideProgramFolder(c.folder);
    StartupOptions options;
    options.Start();
    CHECK(f.RunEntry() == c.entry);
    CHECK(options.LogonProblem().empty());
  }
}

TEST_CASE("a stored 1 or 2 checks a box; any other text leaves it unchecked") {
  Fixture f;
  const std::pair<const char*, int> cases[] = {{"1", kChecked}, {"2", kChecked}, {"0", kUnchecked},
                                               {"", kUnchecked}, {"yes", kUnchecked}, {"3", kUnchecked}};
  for (const auto& [stored, value] : cases) {
    CAPTURE(stored);
    SaveAppSetting(kMainSettingsSection, "chkRunProgramMini", stored);
    frmMainSettings window;
    window.Load();
    CHECK(window.chkRunProgramMini.Value() == value);
    StartupOptions options;  // what start-up reads, with no window
    options.Start();
    CHECK(options.RunsInTray() == (value == kChecked));
  }
}

TEST_CASE("a save that cannot write the settings or the Run entry says why and leaves Save enabled") {
  struct Case {
    HKEY root;
    const char* key;
    const char* told;
  };
  const Case cases[] = {{HKEY_LOCAL_MACHINE, kMainSettingsSection, "chkRunMainProgram could not be saved"},
                        {HKEY_CURRENT_USER, kRunKey, "Windows could not be told to start Quorvane"}};
  for (const Case& c : cases) {
    CAPTURE(c.told);
    Fixture f;
    SaveAppSetting(kMainSettingsSection, "chkRunProgramMini", "0");
    frmMainSettings window;
    window.Load();
    REQUIRE(testing::DenyWriteAccess(c.root, c.key));
    Click(window.chkRunMainProgram);
    Click(window.cmdSave);
    REQUIRE(f.effects.messageBoxes.size() == 1);
    CHECK(f.effects.messageBoxes[0].text.find(c.told) != std::string::npos);
    CHECK(f.effects.messageBoxes[0].caption == "Quorvane");
    CHECK(IsWindowEnabled(window.cmdSave.hWnd()));
    CHECK(window.lblSaveStatus.Caption().empty());
  }
}

TEST_CASE("the logon task's definition: this user's logon, highest run level, the quoted path, no time limit") {
  const std::string xml = LogonTaskXml("C:\\Program Files\\A&B\\quorvane.exe", "PC\\Ann");
  const char* const parts[] = {
      "encoding=\"UTF-16\"",
      "<LogonTrigger>\r\n      <Enabled>true</Enabled>\r\n      <UserId>PC\\Ann</UserId>",
      "<UserId>PC\\Ann</UserId>\r\n      <LogonType>InteractiveToken</LogonType>\r\n"
      "      <RunLevel>HighestAvailable</RunLevel>",
      "<ExecutionTimeLimit>PT0S</ExecutionTimeLimit>",
      "<DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>",
      "<Command>&quot;C:\\Program Files\\A&amp;B\\quorvane.exe&quot;</Command>",
      "<WorkingDirectory>C:\\Program Files\\A&amp;B</WorkingDirectory>",
  };
  for (const char* part : parts) {
    CAPTURE(part);
    CHECK(xml.find(part) != std::string::npos);
  }
}

// Windows 10: the Save button and start-up keep the scheduled task through schtasks.exe
// by its full path, and remove the Run value an older version left.
TEST_CASE("on Vista and later the option keeps the scheduled task and removes a leftover Run value") {
  struct Case {
    const char* what;
    const char* stored;  // the option as saved before the program starts
    bool click;          // the box clicked and saved
    const char* arguments;
  };
  const Case cases[] = {
      {"save on", "0", true, "/Create /TN Quorvane /XML \""},
      {"save off", "1", true, "/Delete /TN Quorvane /F"},
      {"start-up with the option on", "1", false, "/Create /TN Quorvane /XML \""},
  };
  for (const Case& c : cases) {
    CAPTURE(c.what);
    Fixture f(kWindows10);
    testing::WriteText(HKEY_CURRENT_USER, kRunKey, kRunValueName, "C:\\Old\\quorvane.exe");
    SaveAppSetting(kMainSettingsSection, "chkRunMainProgram", c.stored);
    StartupOptions options;
    options.Start();
    frmMainSettings window;
    window.Load();
    if (c.click) {
      Click(window.chkRunMainProgram);
      Click(window.cmdSave);
    }
    // The last run is the save's (start-up with the option on registers first).
    REQUIRE_FALSE(f.effects.runs.empty());
    const testing::RecordingEffects::RunCall& run = f.effects.runs.back();
    CHECK(run.program == SchtasksPath());
    CHECK(run.program.find(":\\") == 1);
    CHECK(run.arguments.rfind(c.arguments, 0) == 0);
    if (std::string(c.arguments).find("/XML") != std::string::npos) {
      // UTF-16 with its mark, naming this program.
      const std::string& file = run.xmlFile;
      REQUIRE(file.size() > 2);
      CHECK(file.substr(0, 2) == "\xFF\xFE");
      std::string narrow;
      for (size_t i = 2; i + 1 < file.size(); i += 2) narrow += file[i];
      CHECK(narrow.find("<Command>&quot;" + ProgramPath() + "&quot;</Command>") != std::string::npos);
    }
    CHECK_FALSE(f.RunEntry());
    CHECK(f.effects.messageBoxes.empty());
  }
}

TEST_CASE("on Vista and later a task schtasks refuses is reported with its words and Save stays enabled") {
  Fixture f(kWindows10);
  f.effects.runAnswer = {true, 0, 1, "ERROR: Access is denied.\r\n"};
  frmMainSettings window;
  window.Load();
  Click(window.chkRunMainProgram);
  Click(window.cmdSave);
  REQUIRE(f.effects.messageBoxes.size() == 1);
  CHECK(f.effects.messageBoxes[0].text == "Windows could not be told to start Quorvane: ERROR: Access is denied.");
  CHECK(IsWindowEnabled(window.cmdSave.hWnd()));
  // At start-up the same words, for the home line: no message box, which could stop a start in the tray.
  StartupOptions options;
  options.Start();
  CHECK(options.LogonProblem() == f.effects.messageBoxes[0].text);
  CHECK(f.effects.messageBoxes.size() == 1);
}

// Wine's Task Scheduler keeps a registered task (it runs none): the file appears in
// system32\Tasks and goes away again.
TEST_CASE("Wine's schtasks.exe takes the task's definition and removes it") {
  SetRunningRelease(kWindows10);
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string taskFile = std::string(windows) + "\\system32\\Tasks\\" + kLogonTaskName;
  CHECK(RegisterLogonTask() == "");
  CHECK(GetFileAttributesA(taskFile.c_str()) != INVALID_FILE_ATTRIBUTES);
  CHECK(RemoveLogonTask() == "");
  CHECK(GetFileAttributesA(taskFile.c_str()) == INVALID_FILE_ATTRIBUTES);
  CHECK(RemoveLogonTask() == "");
  SetRunningRelease({});
}
