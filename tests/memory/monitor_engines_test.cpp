// The system monitor and the low-memory alarm with no window: what they keep,
// check and free, and what a window created later shows of it.
#include <doctest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "memory/LowMemoryAlarm.h"
#include "memory/frmSystemStatus.h"
#include "memory/monitor_fakes.h"
#include "registry/AppSettings.h"
#include "support/RegistryFixture.h"

using namespace quorvane;
using testing::kMB;

namespace {

// The alarm on the monitor's fakes, from the settings given (name, stored text).
struct AlarmHarness : testing::MonitorHarness {
  uint32_t now = 1000;
  LowMemoryAlarm alarm{monitor};

  explicit AlarmHarness(std::vector<std::pair<const char*, const char*>> stored) {
    testing::DeleteKeyTree(HKEY_LOCAL_MACHINE, kRamSettingsSection);
    for (const auto& [name, text] : stored) SaveAppSetting(kRamSettingsSection, name, text);
    alarm.UseMemory(memory.Access());
    alarm.UseClock([this] { return now; });
  }
  ~AlarmHarness() { testing::DeleteKeyTree(HKEY_LOCAL_MACHINE, kRamSettingsSection); }
};

}  // namespace

TEST_CASE("a status window created after N samples shows the last ones the charts hold, and the last reading") {
  struct Case {
    int samples;
    size_t shown;
    const char* processorCaption;
    const char* memoryCaption;
  };
  const Case cases[] = {{0, 0, "Processor usage", "Memory usage"},
                        {5, 5, "Processor usage (4%).", "Free Memory (25%)."},
                        {45, kChartSamplesKept, "Processor usage (44%).", "Free Memory (25%)."}};
  for (const Case& c : cases) {
    CAPTURE(c.samples);
    testing::MonitorHarness h;
    for (int i = 0; i < c.samples; ++i) {
      h.usage.push_back(i);
      h.monitor.SampleProcessor();
      h.monitor.SampleMemory();
    }
    testing::RecordingHost host;
    frmSystemStatus status(h.monitor);
    status.AttachHost(host);
    status.Load();
    CHECK(h.monitor.MemorySamples().last.size() == c.shown);  // kept no longer than shown
    REQUIRE(status.histCPU.Samples().size() == c.shown);
    CHECK(status.histMemory.Samples().size() == c.shown);
    if (c.shown) CHECK(status.histCPU.Samples().front() == c.samples - static_cast<int>(c.shown));
    CHECK(status.frameCPUUsage.Caption() == c.processorCaption);
    CHECK(status.fameMemoryUsage.Caption() == c.memoryCaption);
    status.Unload();
  }
}

TEST_CASE("the alarm's saved tool-tip unit, or the open window's unsaved one, reaches the monitor's tool-tip") {
  struct Case {
    const char* percent;
    const char* megabytes;
    std::optional<bool> unsaved;
    const char* toolTip;
  };
  const Case cases[] = {{"True", "False", {}, "Free Memory (25%)."},
                        {"TRUE", "True", {}, "Free Memory (128MB)."},  // MB loads last and wins
                        {"yes", "False", {}, "Free Memory (128MB)."},   // damaged: the default
                        {"False", "True", true, "Free Memory (25%)."}};
  for (const Case& c : cases) {
    CAPTURE(c.percent);
    CAPTURE(c.megabytes);
    AlarmHarness h({{"optPer", c.percent}, {"optMB", c.megabytes}});
    h.alarm.LoadSettings();
    h.alarm.UseUnsaved({{}, c.unsaved});
    h.monitor.SampleMemory();
    CHECK(h.toolTips == std::vector<std::string>{c.toolTip});
  }
}

TEST_CASE("with no window, the started alarm checks at its saved interval, frees in passes to the level, and rests") {
  AlarmHarness h({{"chkAutomatic", "2"},  // grayed counts as checked
                  {"txtAlarm", "250"},
                  {"txtFreeAlarm", "10"},
                  {"txtTimeCheck", "5e2"},  // damaged: 100
                  {"txtRunOnly", "0"},
                  {"txtRetryOptimization", "4"}});
  h.memory.freeBytes = 100 * kMB;
  h.memory.freedPerClaim = 50 * kMB;
  h.alarm.Start();
  CHECK(h.alarm.Running());
  CHECK(h.alarm.CheckInterval() == 100);
  h.alarm.Stop();  // the checks below are the test's own
  CHECK_FALSE(h.alarm.Running());
  struct Step {
    uint32_t later;
    int64_t freeMB;
    size_t claims;  // in all
  };
  const Step steps[] = {{0, 100, 3},      // 100, 150, 200, then 250: at the level after three passes
                        {59999, 100, 3},  // resting
                        {1, 0, 7},        // rested: four passes, the most, leave it below
                        {60000, 300, 7}};  // above the level: nothing to do
  for (const Step& step : steps) {
    CAPTURE(step.later);
    h.now += step.later;
    h.memory.freeBytes = step.freeMB * kMB;
    h.alarm.Check();
    CHECK(h.memory.claims.size() == step.claims);
  }
  CHECK(h.memory.claims == std::vector<uint64_t>(7, 20 * kMB));  // 10 MB, written as 2-byte blanks
}
