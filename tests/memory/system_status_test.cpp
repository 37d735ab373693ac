#include <doctest.h>

#include <windows.h>

#include <stdexcept>

#include "memory/frmSystemStatus.h"
#include "memory/monitor_fakes.h"
#include "ui/ui_test_support.h"

using namespace quorvane;
using testing::kMB;

namespace {

// The status window alone, with memory and processor readings the test sets.
struct StatusHarness : testing::MonitorHarness {
  testing::RecordingHost host;
  frmSystemStatus status{monitor};

  StatusHarness() { status.AttachHost(host); }
  ~StatusHarness() { status.Unload(); }
};

}  // namespace

TEST_CASE("the memory chart plots free memory as a share, and the tray tool-tip follows the chosen unit") {
  StatusHarness h;
  h.status.Load();
  h.monitor.SampleMemory();
  CHECK(h.status.histMemory.value() == 25);
  CHECK(h.status.fameMemoryUsage.Caption() == "Free Memory (25%).");
  CHECK(h.toolTips == std::vector<std::string>{"Free Memory (128MB)."});
  h.monitor.SampleMemory();  // same text: not sent again
  CHECK(h.toolTips.size() == 1);

  h.memory.freeBytes = 123 * kMB;
  h.monitor.SampleMemory();
  CHECK(h.toolTips.back() == "Free Memory (123MB).");
  h.percent = true;
  h.monitor.SampleMemory();
  CHECK(h.toolTips.back() == "Free Memory (24%).");  // 24.02, a whole number
  CHECK(h.toolTips.size() == 3);
}

TEST_CASE("memories beyond 32 GB are counted whole, and the amount to free stops at 2047 MB") {
  StatusHarness h;
  h.memory.totalBytes = 40960 * kMB;
  h.memory.freeBytes = 33000 * kMB;
  h.status.Load();
  CHECK(h.status.TotalMB == 40960);
  CHECK(h.status.sldFreeMomoryReq.Max() == 2047);
  h.monitor.SampleMemory();
  CHECK(h.monitor.FreeMB() == 33000);
  CHECK(h.toolTips.back() == "Free Memory (33000MB).");

  h.status.Unload();
  h.memory.totalBytes = 512 * kMB;
  h.status.Load();
  CHECK(h.status.sldFreeMomoryReq.Max() == 512);
}

TEST_CASE("a failed processor reading adds no sample and says so; stopping the monitor stops the sampler") {
  StatusHarness h;
  h.usage = {42, -1, 7};
  h.status.Load();
  h.monitor.SampleProcessor();
  CHECK(h.status.frameCPUUsage.Caption() == "Processor usage (42%).");
  h.monitor.SampleProcessor();
  CHECK(h.status.histCPU.Samples().size() == 1);
  CHECK(h.status.histCPU.value() == 42);
  CHECK(h.status.frameCPUUsage.Caption() == "Processor usage (unavailable).");
  CHECK(h.monitor.QueryProcessorUsage() == 7);  // the alarm's reading comes from the same sampler
  h.status.Unload();
  CHECK(h.terminated == 0);  // the monitor samples on without the window
  h.monitor.Stop();
  CHECK(h.terminated == 1);
}

TEST_CASE("speed and zoom sliders work from the keyboard and set the timers and charts") {
  StatusHarness h;
  testing::ShowQuietly(h.status);
  CHECK(h.monitor.MemoryInterval() == 300);
  CHECK(h.monitor.ProcessorInterval() == 300);
  testing::PressKey(h.status.sldMemorySpeed.hWnd(), VK_HOME);
  CHECK(h.monitor.MemoryInterval() == 1000);
  testing::PressKey(h.status.sldMemorySpeed.hWnd(), VK_END);
  CHECK(h.monitor.MemoryInterval() == 300);
  testing::PressKey(h.status.sldCPUSpeed.hWnd(), VK_HOME);
  CHECK(h.monitor.ProcessorInterval() == 1000);
  testing::PressKey(h.status.sldCPUZoom.hWnd(), VK_END);
  CHECK(h.status.histCPU.zoom() == 100);
  testing::PressKey(h.status.sldMemoryZoom.hWnd(), VK_RIGHT);
  CHECK(h.status.histMemory.zoom() == 35);
}

TEST_CASE("the amount to free: its label at 0, and what Optimize Now did") {
  StatusHarness h;
  h.status.Load();
  CHECK(h.status.lblTargetMemoryNeeded.Caption() == "Target Level Of RAM 0MB.");
  CHECK(h.status.sldFreeMomoryReq.ToolTipText() == "0 MB to free when Optimize is clicked");
  h.status.cmdOptimaize_Click();
  CHECK(h.memory.claims.empty());
  CHECK(h.status.lblTargetMemoryNeeded.Caption() == "Nothing to free: set an amount with the slider.");

  h.status.sldFreeMomoryReq.SetValue(100);
  CHECK(h.status.lblTargetMemoryNeeded.Caption() == "Target Level Of RAM 100MB.");
  h.memory.freedPerClaim = 1112 * kMB;
  h.status.cmdOptimaize_Click();
  CHECK(h.memory.claims == std::vector<uint64_t>{200 * kMB});
  CHECK(h.status.lblTargetMemoryNeeded.Caption() == "Free memory went from 128 MB to 1,240 MB.");
  CHECK(h.status.CurrentMousePointer() == MousePointer::Default);
}

TEST_CASE("the hourglass goes when freeing fails") {
  testing::FakeMemory memory{128 * kMB, 512 * kMB};
  MemoryAccess access = memory.Access();
  access.claimBlock = [](uint64_t) -> bool { throw std::runtime_error("no memory"); };
  testing::RecordingHost host;
  SystemMonitor monitor;
  monitor.UseMemory(access);
  frmSystemStatus status(monitor);
  status.AttachHost(host);
  status.Load();
  status.sldFreeMomoryReq.SetValue(10);
  CHECK_THROWS(status.cmdOptimaize_Click());
  CHECK(status.CurrentMousePointer() == MousePointer::Default);
  status.Unload();
}
