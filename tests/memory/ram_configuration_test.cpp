#include <doctest.h>

#include <windows.h>
#include <psapi.h>

#include <string>
#include <vector>

#include "memory/frmRamConfiguration.h"
#include "memory/monitor_fakes.h"
#include "registry/AppSettings.h"
#include "support/RecordingEffects.h"
#include "support/RegQuery.h"
#include "support/RegistryFixture.h"
#include "ui/ui_test_support.h"

using namespace quorvane;
using testing::kMB;

namespace {

// The RAM window alone, from no settings, with memory the test sets; the alarm not started.
struct RamHarness : testing::MonitorHarness {
  testing::RecordingEffects effects;
  uint32_t now = 1000;
  testing::RecordingHost host;
  LowMemoryAlarm alarm{monitor};
  frmRamConfiguration ram{alarm};

  explicit RamHarness(bool fakeMemory = true) {
    memory.freeBytes = 100 * kMB;
    testing::DeleteKeyTree(HKEY_LOCAL_MACHINE, kRamSettingsSection);
    ram.AttachHost(host);
    if (fakeMemory) alarm.UseMemory(memory.Access());
    alarm.UseClock([this] { return now; });
    testing::ShowQuietly(ram);
  }
  ~RamHarness() {
    ram.Unload();
    testing::DeleteKeyTree(HKEY_LOCAL_MACHINE, kRamSettingsSection);
  }
  // Automatic freeing with a level, an amount per pass, a limit and passes, saved.
  void Automatic(const char* level, const char* amount, const char* limit, const char* passes) {
    ram.chkAutomatic.SetValue(kChecked);
    ram.txtAlarm.SetText(level);
    ram.txtFreeAlarm.SetText(amount);
    ram.txtRunOnly.SetText(limit);
    ram.txtRetryOptimization.SetText(passes);
    ram.cmdSave_Click();
  }
  static bool Enabled(const Control& control) { return IsWindowEnabled(control.hWnd()) != FALSE; }
};

SIZE_T PeakWorkingSet() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PeakWorkingSetSize;
}

}  // namespace

TEST_CASE("first start without settings: the defaults, and the level box usable when either check uses it") {
  RamHarness h;
  frmRamConfiguration& r = h.ram;
  CHECK(r.chkSoundon.Value() == kUnchecked);
  CHECK(r.chkAutomatic.Value() == kUnchecked);
  CHECK(r.txtAlarm.Text() == "250");
  CHECK(r.txtFreeAlarm.Text() == "10");
  CHECK(r.txtTimeCheck.Text() == "100");
  CHECK(r.txtRunOnly.Text() == "2");
  CHECK(r.txtRetryOptimization.Text() == "10");
  CHECK(r.optMB.Value());
  CHECK_FALSE(h.alarm.TrayToolTipInPercent());
  CHECK(h.alarm.Settings().alarmLevelMB == 250);
  CHECK(h.alarm.Settings().processorLimit == 2);
  CHECK(h.alarm.Settings().passes == 10);
  CHECK(h.alarm.CheckInterval() == 100);
  CHECK_FALSE(r.Modified());
  CHECK_FALSE(h.Enabled(r.cmdSave));
  for (const Control* box : {static_cast<const Control*>(&r.txtAlarm), static_cast<const Control*>(&r.txtFreeAlarm),
                             static_cast<const Control*>(&r.txtTimeCheck),
                             static_cast<const Control*>(&r.updnTimeCheck)}) {
    CAPTURE(box->Name());
    CHECK_FALSE(h.Enabled(*box));
  }

  testing::PressKey(r.txtRetryOptimization.hWnd(), VK_UP);  // the up-down steps from the keyboard
  CHECK(r.txtRetryOptimization.Text() == "11");
  CHECK(h.Enabled(r.cmdSave));

  SendMessageA(r.chkSoundon.hWnd(), BM_CLICK, 0, 0);
  CHECK(h.Enabled(r.txtAlarm));
  CHECK_FALSE(h.Enabled(r.txtFreeAlarm));
  CHECK(h.Enabled(r.cmdSave));
  SendMessageA(r.chkSoundon.hWnd(), BM_CLICK, 0, 0);
  SendMessageA(r.chkAutomatic.hWnd(), BM_CLICK, 0, 0);
  CHECK(h.Enabled(r.txtAlarm));  // automatic freeing uses the level too
  CHECK(h.Enabled(r.txtFreeAlarm));
  CHECK(h.Enabled(r.updnTimeCheck));
}

TEST_CASE("the two boxes restore the last loaded number when the text is not one they can hold") {
  RamHarness h;
  struct Case {
    TextBox* box;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {&h.ram.txtAlarm, "abc", "250"},         {&h.ram.txtAlarm, "-1", "250"},
      {&h.ram.txtAlarm, "2147483648", "250"},  // too large for its count
      {&h.ram.txtAlarm, "40000", "40000"},     {&h.ram.txtFreeAlarm, "1001", "10"},
      {&h.ram.txtFreeAlarm, "x", "10"},        {&h.ram.txtFreeAlarm, "1000", "1000"},
  };
  for (const Case& c : cases) {
    CAPTURE(c.typed);
    SendMessageA(c.box->hWnd(), EM_SETSEL, 0, -1);
    SendMessageA(c.box->hWnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(c.typed));  // pasted
    CHECK(c.box->Text() == c.shown);
    CHECK(testing::WindowTextOf(c.box->hWnd()) == c.shown);
  }
}

TEST_CASE("damaged or out-of-range stored values load as the defaults") {
  using Box = TextBox frmRamConfiguration::*;
  struct Case {
    Box box;
    const char* stored;
    const char* shown;
  };
  const Case cases[] = {
      {&frmRamConfiguration::txtRetryOptimization, "3.0", "10"}, {&frmRamConfiguration::txtTimeCheck, "5e2", "100"},
      {&frmRamConfiguration::txtTimeCheck, "500 ", "100"},       {&frmRamConfiguration::txtAlarm, "+500", "250"},
      {&frmRamConfiguration::txtAlarm, "512", "250"},            {&frmRamConfiguration::txtAlarm, "99999999999", "250"},
      {&frmRamConfiguration::txtFreeAlarm, " 500", "10"},        {&frmRamConfiguration::txtRunOnly, "500", "2"},
      {&frmRamConfiguration::txtRunOnly, "-5", "2"},
  };
  for (const Case& c : cases) {
    CAPTURE(c.stored);
    RamHarness h;  // 512 MB installed
    TextBox& box = h.ram.*c.box;
    CAPTURE(box.Name());
    h.ram.Unload();
    SaveAppSetting(kRamSettingsSection, box.Name(), c.stored);
    h.ram.Load();
    CHECK(testing::WindowTextOf(box.hWnd()) == c.shown);
    CHECK_FALSE(h.ram.Modified());
  }
}

TEST_CASE("typed keys, the text shown and the value stored: one rule per box, judged on Save") {
  RamHarness h;  // 512 MB installed
  frmRamConfiguration& r = h.ram;
  r.chkAutomatic.SetValue(kChecked);
  r.cmdSave_Click();
  const std::string digits500(500, '9');
  struct Case {
    TextBox& box;
    std::string typed;
    std::string shown;
    const char* accepts;  // the refusal's end; nullptr when Save stores what is shown
  };
  // A refused box is typed again until accepted: Save checks the boxes in order.
  const Case cases[] = {
      {r.txtRetryOptimization, "-5", "5", nullptr},
      {r.txtRetryOptimization, "1e3", "13", nullptr},
      {r.txtRetryOptimization, "3.0", "30", ": a whole number from 0 to 20."},
      {r.txtRetryOptimization, "abc", "30", ": a whole number from 0 to 20."},
      {r.txtRetryOptimization, "\b", "", ": a whole number from 0 to 20."},
      {r.txtRetryOptimization, "21", "21", ": a whole number from 0 to 20."},
      {r.txtRetryOptimization, "20", "20", nullptr},
      {r.txtTimeCheck, digits500, digits500, ": a whole number from 100 to 65535."},
      {r.txtTimeCheck, "65536", "65536", ": a whole number from 100 to 65535."},
      {r.txtTimeCheck, "65535", "65535", nullptr},
      {r.txtTimeCheck, " 500", "500", nullptr},
      {r.txtRunOnly, "+100", "100", nullptr},
      {r.txtRunOnly, "101", "101", ": a whole number from 0 to 100."},
      {r.txtRunOnly, "0", "0", nullptr},
      {r.txtAlarm, "-5", "5", nullptr},
      {r.txtAlarm, "1e3", "13", nullptr},
      {r.txtAlarm, "511", "511", nullptr},
      {r.txtAlarm, "512", "512", ": a whole number of megabytes below the installed memory (512 MB)."},
      {r.txtAlarm, "2147483648", "511", nullptr},  // beyond the count at the last key: the level comes back
      {r.txtAlarm, "\b7", "7", nullptr},  // emptied: the guard puts 511 back, selected; 7 replaces it
      {r.txtAlarm, digits500, "7", nullptr},  // every tenth 9 is too many: the level comes back
      {r.txtFreeAlarm, "-5", "5", nullptr},
      {r.txtFreeAlarm, "1001", "5", nullptr},  // 1001 is too many: the amount comes back
      {r.txtFreeAlarm, "1000", "1000", nullptr},
  };
  for (const Case& c : cases) {
    CAPTURE(c.box.Name());
    CAPTURE(c.typed.substr(0, 12));
    const std::optional<std::string> before = testing::ReadText(HKEY_LOCAL_MACHINE, kRamSettingsSection, c.box.Name());
    h.effects.messageBoxes.clear();
    SendMessageA(c.box.hWnd(), EM_SETSEL, 0, -1);
    testing::TypeText(c.box.hWnd(), c.typed);
    CHECK(testing::WindowTextOf(c.box.hWnd()) == c.shown);
    CHECK(h.Enabled(r.cmdSave));  // typing marks the window modified
    SendMessageA(r.cmdSave.hWnd(), BM_CLICK, 0, 0);
    const std::optional<std::string> stored = testing::ReadText(HKEY_LOCAL_MACHINE, kRamSettingsSection, c.box.Name());
    if (!c.accepts) {
      CHECK(h.effects.messageBoxes.empty());
      CHECK(stored == c.shown);
      CHECK(r.lblSaveStatus.Caption() == "Settings saved.");
      continue;
    }
    REQUIRE(h.effects.messageBoxes.size() == 1);
    CHECK(h.effects.messageBoxes[0].text.ends_with(c.accepts));
    CHECK(stored == before);  // nothing written
    CHECK(c.box.HasFocus());
    CHECK(h.Enabled(r.cmdSave));
    CHECK(r.lblSaveStatus.Caption().empty());
  }
}

TEST_CASE("Save writes the nine values, as reg.exe sees them, and a level of 400 survives a reload") {
  RamHarness h;
  h.ram.chkSoundon.SetValue(kChecked);
  h.ram.txtAlarm.SetText("400");
  h.ram.optPer.SetValue(true);
  SendMessageA(h.ram.cmdSave.hWnd(), BM_CLICK, 0, 0);
  const std::string stored = testing::RegQuery("\"HKLM\\" + std::string(kRamSettingsSection) + "\"");
  CAPTURE(stored);
  const char* expected[] = {"chkSoundon    REG_SZ    1",    "chkAutomatic    REG_SZ    0",
                            "txtAlarm    REG_SZ    400",     "txtFreeAlarm    REG_SZ    10",
                            "txtTimeCheck    REG_SZ    100", "optPer    REG_SZ    True",
                            "optMB    REG_SZ    False",      "txtRunOnly    REG_SZ    2",
                            "txtRetryOptimization    REG_SZ    10"};
  for (const char* line : expected) {
    CAPTURE(line);
    CHECK(stored.find(line) != std::string::npos);
  }
  CHECK(h.alarm.Settings().alarmLevelMB == 400);
  CHECK(h.alarm.TrayToolTipInPercent());
  h.ram.Unload();
  h.ram.Load();
  CHECK(h.alarm.Settings().alarmLevelMB == 400);
}

TEST_CASE("the alarm: exactly at the level is quiet, one byte below sounds at the sound timer's next tick") {
  RamHarness h;
  h.ram.chkSoundon.SetValue(kChecked);
  h.ram.cmdSave_Click();
  h.memory.freeBytes = 250 * kMB;
  h.alarm.Check();
  CHECK_FALSE(h.alarm.SoundDue());
  h.memory.freeBytes = 250 * kMB - 1;
  h.alarm.Check();
  CHECK(h.alarm.SoundDue());
  CHECK(h.effects.sounds.empty());
  h.alarm.PlaySoundIfDue();
  REQUIRE(h.effects.sounds.size() == 1);
  CHECK(h.effects.sounds[0].ends_with("\\low-memory.wav"));
  CHECK(h.memory.claims.empty());  // sound only: nothing freed
}

TEST_CASE("automatic freeing: the processor limit, the passes, and the amount read from its box") {
  struct Case {
    const char* limit;
    int usage;
    const char* passes;
    size_t claims;
  };
  const Case cases[] = {{"0", 99, "3", 3}, {"50", 50, "3", 0}, {"50", 49, "3", 3}, {"50", -1, "3", 3},
                        {"0", 0, "0", 1}};
  for (const Case& c : cases) {
    CAPTURE(c.limit);
    CAPTURE(c.usage);
    CAPTURE(c.passes);
    RamHarness h;
    h.Automatic("250", "10", c.limit, c.passes);
    h.usage = {c.usage};
    h.ram.txtFreeAlarm.SetText("20");  // not saved: used all the same
    h.alarm.Check();
    CHECK(h.memory.claims == std::vector<uint64_t>(c.claims, 40 * kMB));
  }
}

TEST_CASE("end to end: an alarm above the machine's free memory really writes memory") {
  RamHarness h(false);
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  GlobalMemoryStatusEx(&status);
  const std::string highest = std::to_string(status.ullTotalPhys / kMB - 1);
  h.Automatic(highest.c_str(), "250", "0", "1");  // just below the installed memory: always below
  const SIZE_T before = PeakWorkingSet();
  REQUIRE(before < 490 * kMB);
  h.alarm.Check();
  CHECK(PeakWorkingSet() >= 490 * kMB);  // 250 MB of 2-byte blanks
}
