// The start-up options window on a real window, against Wine's registry: the two
// settings, the Run entry kept in step, and a save that cannot write.
#include <doctest.h>

#include "registry/AppSettings.h"
#include "startup/RunEntry.h"
#include "startup/frmMainSettings.h"
#include "support/RecordingEffects.h"
#include "support/RegistryFixture.h"
#include "system/ProgramFolder.h"
#include "ui/ui_test_support.h"

using namespace quorvane;

namespace {

// Starts from no settings and no Run value, with a neighbour in the Run key that
// must outlive every change; puts everything back afterwards.
struct Fixture {
  testing::RecordingEffects effects;
  Fixture() {
    SetEffects(&effects);
    Clean();
    testing::WriteText(HKEY_CURRENT_USER, kRunKey, "Neighbour", "C:\\Other\\other.exe");
  }
  ~Fixture() {
    Clean();
    testing::DeleteValue(HKEY_CURRENT_USER, kRunKey, "Neighbour");
    OverrideProgramFolder("");
    SetEffects(nullptr);
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

TEST_CASE("with the option on, loading rewrites the Run entry for where the program now is, quoted when it has a blank") {
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
    frmMainSettings window;
    window.Load();
    CHECK(f.RunEntry() == c.entry);
    CHECK_FALSE(window.Modified());
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
    CHECK(window.RunProgramInTray() == (value == kChecked));
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
