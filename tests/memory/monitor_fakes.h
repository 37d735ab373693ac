// Stand-ins for the monitor's tests: memory figures the test sets, a
// processor sampler that answers from a list, and a monitor built on them.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "memory/CpuUsageSampler.h"
#include "memory/FreeRAM.h"
#include "memory/SystemMonitor.h"
#include "support/RecordingHost.h"
#include "ui/ToolWindowHost.h"

namespace testing {

inline constexpr int64_t kMB = 1048576;

// "128 of 512 MB free". A claim succeeds and, when `freedPerClaim` is set,
// leaves that much more memory free afterwards.
struct FakeMemory {
  FakeMemory(int64_t freeAtStart, int64_t total) : freeBytes(freeAtStart), totalBytes(total) {}
  int64_t freeBytes = 0;
  int64_t totalBytes = 0;
  int64_t freedPerClaim = 0;
  std::vector<uint64_t> claims;

  quorvane::MemoryAccess Access() {
    return {[this] {
              quorvane::MemoryFigures figures;
              figures.availablePhysical = freeBytes;
              figures.totalPhysical = totalBytes;
              return figures;
            },
            [this](uint64_t bytes) {
              claims.push_back(bytes);
              freeBytes += freedPerClaim;
              return true;
            }};
  }
};

class ListSampler : public quorvane::CpuUsageSampler {
 public:
  ListSampler(std::deque<int32_t>& answers, int& terminated) : answers_(answers), terminated_(terminated) {}
  void Initialize() override {}
  int32_t Query() override {
    if (answers_.empty()) return 0;
    int32_t answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  void Terminate() override { ++terminated_; }

 private:
  std::deque<int32_t>& answers_;
  int& terminated_;
};

// A system monitor, not started, on the fakes above: the tool-tips it sent,
// and the unit they take.
struct MonitorHarness {
  FakeMemory memory{128 * kMB, 512 * kMB};
  std::deque<int32_t> usage;
  int terminated = 0;
  std::vector<std::string> toolTips;
  bool percent = false;
  quorvane::SystemMonitor monitor{[this](const std::string& text) { toolTips.push_back(text); }};

  MonitorHarness() {
    monitor.UseMemory(memory.Access());
    monitor.UseSampler([this] { return std::make_unique<ListSampler>(usage, terminated); });
    monitor.UseToolTipUnit([this] { return percent; });
  }
};

}  // namespace testing
